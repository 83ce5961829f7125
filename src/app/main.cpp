#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("テキストリーダ"));
    window.resize(591, 153);
    window.show();
    return app.exec();
}
