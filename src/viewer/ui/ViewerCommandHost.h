#pragma once
// The other windows the viewer's commands open or drive: the display settings, the
// browser, the term search and the saved-text library. The application object provides
// them; NullViewerCommandHost stands in while a window does not exist (and in tests).
#include <QString>

class ViewerCommandHost {
public:
    virtual ~ViewerCommandHost() = default;

    virtual void ShowForm2() = 0; // display settings
    virtual void ShowForm3() = 0; // browser and URL list
    virtual void ShowForm5() = 0; // term search
    virtual void ShowForm6() = 0; // saved-text library
    // Swaps the display settings' background-transparency check box and applies it.
    virtual void ToggleBackTouka() = 0;

    // Puts a URL into the browser's address box without opening it.
    virtual void SetBrowserAddress(const QString& url) = 0;
    // Opens a URL through the browser: fetched, converted and shown in the viewer.
    virtual void URLAttack_Command2_Click(const QString& url) = 0;
    virtual bool BrowserCanGoBack() const = 0;
    virtual bool BrowserCanGoForward() const = 0;
};

class NullViewerCommandHost : public ViewerCommandHost {
public:
    void ShowForm2() override {}
    void ShowForm3() override {}
    void ShowForm5() override {}
    void ShowForm6() override {}
    void ToggleBackTouka() override {}
    void SetBrowserAddress(const QString&) override {}
    void URLAttack_Command2_Click(const QString&) override {}
    bool BrowserCanGoBack() const override { return false; }
    bool BrowserCanGoForward() const override { return false; }
};
