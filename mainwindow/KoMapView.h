#pragma once

#include <QWebEngineView>

class KoMapPage;

// The web view that shows the map page (KoMapPage). It takes no drops: a
// file dragged onto the map goes to the window around it, which adds it as
// any drop on the window (the web view would otherwise open the file in
// place of the map). No context menu either: its entries (back, reload, view
// source, save) are not for a map.
class KoMapView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit KoMapView(QWidget *parent = nullptr);

    KoMapPage *mapPage() const { return m_page; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareChildren();

    KoMapPage *m_page = nullptr;
};
