#pragma once
// Answers the real message boxes a window opens, as a user reading them and pressing OK;
// keeps the text of the last one.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class MessageBoxAnswerer {
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown_ = box->text();
                box->accept();
            }
        });
        timer_.start(20);
    }
    const QString& shown() const { return shown_; }

private:
    QTimer timer_;
    QString shown_;
};
