#pragma once

#include <QElapsedTimer>
#include <QUrl>
#include <QWebEnginePage>

class KoMapReceiver;
class KoMapRequestFilter;
class QWebChannel;

// A map page as the program shows it: it stays on its own page, reads only
// its own files and reaches only its map service (KoMapAccessRules). A link
// opens in the user's browser; every other attempt to leave the page is
// refused. The page reports back through one object (KoMapReceiver), nothing
// else of the program is in reach; no dialogs, file choosers, permissions or
// windows of its own.
class KoMapPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit KoMapPage(QObject *parent = nullptr);

    // Shows the page file at `pagePath` (absolute); the only way this page
    // navigates.
    void loadPage(const QString &pagePath);
    QUrl pageUrl() const;
    // Whether `url` is the page itself (any fragment).
    bool isPageUrl(const QUrl &url) const;

    KoMapReceiver *receiver() const { return m_receiver; }
    KoMapRequestFilter *requestFilter() const { return m_filter; }

    // Hands `url` to the user's browser when it is a web link; false (and a
    // log line) otherwise.
    static bool openInBrowser(const QUrl &url);

    // The user clicked or typed in the page (told by the view). A link is
    // opened only right after that, so that a script cannot open the
    // browser by itself.
    void noteUserInput();
    bool followsUserInput() const;

signals:
    // A new document of the page is on its way (a load or reload of the page
    // itself), and it has loaded (or failed to). Attempts to show something
    // else, which the view also reports as loads that failed, are not told.
    void pageLoading();
    void pageLoaded(bool ok);
    // Something tried to take the main frame away from the page.
    void navigationRefused(const QUrl &url);
    // A link the page offered was handed to the browser.
    void linkOpened(const QUrl &url);
    // The page's console, for whoever wants to look (the log has it too).
    void consoleMessage(int level, const QString &message, const QString &source, int line);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;

private:
    void applySettings();
    void installChannel();
    void refusePermission(const QUrl &origin, Feature feature);
    void linkFollowed(const QUrl &url);

    KoMapRequestFilter *m_filter = nullptr;
    KoMapReceiver *m_receiver = nullptr;
    QWebChannel *m_channel = nullptr;
    QElapsedTimer m_sinceInput;
    // Refused main-frame navigations whose failed load is still to come.
    int m_refusedLoads = 0;
};
