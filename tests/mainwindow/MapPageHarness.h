#pragma once

// A map view as the window has it (KoMapView with its KoMapPage and a
// KoMapBridge), loading the real pages from the build folder, where the
// build put them beside the program.

#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoMapPage.h"
#include "mainwindow/KoMapView.h"

#include <QSignalSpy>
#include <QStringList>
#include <QVariant>
#include <QWebEngineView>
#include <QtTest>

#include <memory>
#include <utility>

inline QString mapAppDir()
{
    return QStringLiteral(TAVRIN_BINARY_DIR);
}

struct MapPageHarness
{
    KoMapView view;
    KoMapPage *page = view.mapPage();
    KoMapBridge bridge{&view};
    // The page's console errors, where an uncaught script error lands.
    QStringList errors;

    MapPageHarness()
    {
        QObject::connect(page, &KoMapPage::consoleMessage, page,
                         [this](int level, const QString &message, const QString &source, int line) {
                             if (level == QWebEnginePage::ErrorMessageLevel)
                                 errors << QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message);
                         });
        view.resize(640, 480);
        view.show();
    }

    bool load(const QString &name)
    {
        QSignalSpy finished(&view, &QWebEngineView::loadFinished);
        bridge.load(mapAppDir() + QLatin1Char('/') + name);
        return finished.wait(30000) && finished.first().first().toBool();
    }

    QVariant eval(const QString &script)
    {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        page->runJavaScript(script, [result](const QVariant &value) { *result = {true, value}; });
        if (!QTest::qWaitFor([&] { return result->first; }, 10000))
            qWarning() << "no answer from the page to" << script.left(60);
        return result->second;
    }

    // The web channel is up once the page has the program's object.
    bool waitForChannel()
    {
        return QTest::qWaitFor(
            [this] { return eval(QStringLiteral("typeof window.tavrin === 'object'")).toBool(); }, 10000);
    }
};
