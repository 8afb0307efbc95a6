#include "mainwindow/KoMapPage.h"

#include "app/KoLogging.h"
#include "mainwindow/KoMapAccessRules.h"
#include "mainwindow/KoMapReceiver.h"
#include "mainwindow/KoMapRequestFilter.h"

#include <QDesktopServices>
#include <QFile>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include <functional>
#include <utility>

namespace {

// How long after a click or key in the page a link it follows is the user's.
constexpr qint64 kLinkAfterInputMs = 2000;

// The page reaches the receiver as window.tavrin once the channel is up.
const char kChannelStart[] = R"(
(function () {
    if (typeof qt === "undefined" || !qt.webChannelTransport || typeof QWebChannel === "undefined")
        return;
    new QWebChannel(qt.webChannelTransport, function (channel) {
        window.tavrin = channel.objects.tavrin;
    });
})();
)";

// A window the page asked for (a link with a target, window.open) is never
// shown: its first address goes to the browser, and the page is dropped.
class KoLinkCatcher : public QWebEnginePage
{
public:
    KoLinkCatcher(QWebEngineProfile *profile, QObject *parent, std::function<void(const QUrl &)> onLink)
        : QWebEnginePage(profile, parent)
        , m_onLink(std::move(onLink))
    {
        // A window opened with no address never navigates.
        QTimer::singleShot(10000, this, &QObject::deleteLater);
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame && m_onLink) {
            std::exchange(m_onLink, nullptr)(url);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QUrl &)> m_onLink;
};

} // namespace

KoMapPage::KoMapPage(QObject *parent)
    : QWebEnginePage(parent)
    , m_filter(new KoMapRequestFilter(this))
    , m_receiver(new KoMapReceiver(this))
{
    setUrlRequestInterceptor(m_filter);
    applySettings();
    installChannel();
    connect(this, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (!ok && m_refusedLoads > 0) {
            --m_refusedLoads;
            return;
        }
        emit pageLoaded(ok);
    });
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &KoMapPage::refusePermission);
    connect(this, &QWebEnginePage::quotaRequested, this,
            [](QWebEngineQuotaRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
}

void KoMapPage::applySettings()
{
    QWebEngineSettings *s = settings();
    // The page's own files come through the request filter, which lets only
    // the page's folder through; scripts get no file access of their own.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::TouchIconsEnabled, false);
    // mailto: and the like would otherwise start another program by themselves.
    s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
}

void KoMapPage::installChannel()
{
    QFile library(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!library.open(QIODevice::ReadOnly)) {
        qCWarning(lcMap)
            << "qwebchannel.js is missing from Qt's resources: clicks on the map are not reported";
        return;
    }
    m_channel = new QWebChannel(this);
    m_channel->registerObject(QStringLiteral("tavrin"), m_receiver);
    setWebChannel(m_channel);

    QWebEngineScript script;
    script.setName(QStringLiteral("tavrin-channel"));
    script.setSourceCode(QString::fromUtf8(library.readAll()) + QLatin1String(kChannelStart));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    scripts().insert(script);
}

void KoMapPage::loadPage(const QString &pagePath)
{
    const KoMapAccessRules rules(pagePath);
    if (rules.pageUrl().isEmpty()) {
        qCWarning(lcMap) << "not a page path:" << pagePath;
        return;
    }
    m_filter->setRules(rules);
    load(rules.pageUrl());
}

QUrl KoMapPage::pageUrl() const
{
    return m_filter->rules().pageUrl();
}

bool KoMapPage::isPageUrl(const QUrl &url) const
{
    return m_filter->rules().isPageUrl(url);
}

bool KoMapPage::openInBrowser(const QUrl &url)
{
    if (!KoMapAccessRules::opensInBrowser(url)) {
        qCInfo(lcMap) << "the map page offered a link that is not opened:" << url.scheme();
        return false;
    }
    qCInfo(lcMap) << "opening a link of the map page in the browser:" << url.toDisplayString();
    return QDesktopServices::openUrl(url);
}

void KoMapPage::noteUserInput()
{
    m_sinceInput.start();
}

bool KoMapPage::followsUserInput() const
{
    return m_sinceInput.isValid() && m_sinceInput.elapsed() < kLinkAfterInputMs;
}

void KoMapPage::linkFollowed(const QUrl &url)
{
    if (!followsUserInput()) {
        qCInfo(lcMap) << "the map page followed a link without the user's click; not opened:"
                      << url.toDisplayString(QUrl::RemoveQuery);
        return;
    }
    if (openInBrowser(url))
        emit linkOpened(url);
}

bool KoMapPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    const bool byUser = type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted;
    if (!byUser) {
        // Frames inside the page load what the request filter lets through.
        if (!isMainFrame)
            return true;
        if (isPageUrl(url)) {
            m_refusedLoads = 0;
            emit pageLoading();
            return true;
        }
    }
    // The view reports the refused navigation as a load that failed.
    if (isMainFrame)
        ++m_refusedLoads;
    if (type == NavigationTypeLinkClicked) {
        linkFollowed(url);
    } else {
        qCInfo(lcMap) << "the map page stays; refused to show" << url.toDisplayString(QUrl::RemoveQuery)
                      << "navigation type" << type;
    }
    emit navigationRefused(url);
    return false;
}

QWebEnginePage *KoMapPage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    return new KoLinkCatcher(profile(), this, [this](const QUrl &url) {
        linkFollowed(url);
        emit navigationRefused(url);
    });
}

void KoMapPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                         int lineNumber, const QString &sourceID)
{
    if (level == ErrorMessageLevel)
        qCInfo(lcMap) << "map page error:" << message << sourceID << lineNumber;
    else
        qCDebug(lcMap) << "map page:" << message;
    emit consoleMessage(level, message, sourceID, lineNumber);
}

void KoMapPage::javaScriptAlert(const QUrl &securityOrigin, const QString &msg)
{
    Q_UNUSED(securityOrigin);
    qCInfo(lcMap) << "the map page's message box was not shown:" << msg.left(200);
}

bool KoMapPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &msg)
{
    javaScriptAlert(securityOrigin, msg);
    return false;
}

bool KoMapPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                                 QString *result)
{
    Q_UNUSED(defaultValue);
    Q_UNUSED(result);
    javaScriptAlert(securityOrigin, msg);
    return false;
}

QStringList KoMapPage::chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                                   const QStringList &acceptedMimeTypes)
{
    Q_UNUSED(mode);
    Q_UNUSED(oldFiles);
    Q_UNUSED(acceptedMimeTypes);
    qCInfo(lcMap) << "the map page asked for a file; it gets none";
    return {};
}

void KoMapPage::refusePermission(const QUrl &origin, Feature feature)
{
    qCInfo(lcMap) << "the map page asked for permission" << feature << "; refused";
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
}
