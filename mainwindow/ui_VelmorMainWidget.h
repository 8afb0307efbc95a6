#pragma once

#include "library/JXDeviceTreeView.h"
#include "mainwindow/KoMapView.h"
#include "mainwindow/VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "widgets/KoCampassLabel.h"
#include "widgets/KoCoverWidget.h"
#include "widgets/KoCustomPushButton.h"
#include "widgets/KoGPSSpeedLabel.h"
#include "widgets/KoGsensorWidget.h"
#include "widgets/KoProgressSlider.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpacerItem>
#include <QSplitter>
#include <QWidget>

// Form of VelmorMainWidget. The displays, the cover, the top strip, the main
// splitter and the two split lines are placed by the window's resizeEvent; the
// children of widget_control, widget_status and widget_filelist_bg too.
class Ui_VelmorMainWidget
{
public:
    QSplitter *splitter_main = nullptr;
    QWidget *widget_left = nullptr;
    QGridLayout *gridLayout_left = nullptr;
    QWidget *widget_dispMan = nullptr;
    QWidget *widget_tool = nullptr;
    QGridLayout *gridLayout_tool = nullptr;
    QWidget *widget_5 = nullptr;
    QGridLayout *gridLayout_5 = nullptr;
    QLabel *label_2 = nullptr;
    QWidget *widget_control = nullptr;
    QLabel *label_control_bg = nullptr;
    QWidget *widget_file_control = nullptr;
    QGridLayout *gridLayout_file_control = nullptr;
    QWidget *widget_12 = nullptr;
    QGridLayout *gridLayout_12 = nullptr;
    KoProgressSlider *horizontalSlider_progress = nullptr;
    QLabel *label_play_time = nullptr;
    // A short note beside the time (no sound output); hidden without one.
    QLabel *label_play_note = nullptr;
    QWidget *widget_13 = nullptr;
    QGridLayout *gridLayout_13 = nullptr;
    QPushButton *pushBtn_open_dir = nullptr;
    QPushButton *pushBtn_fullscreen = nullptr;
    QPushButton *pushBtn_capture = nullptr;
    QPushButton *pushBtn_lastFrame = nullptr;
    QPushButton *pushBtn_play = nullptr;
    QPushButton *pushBtn_nextFrame = nullptr;
    QPushButton *pushBtn_stop = nullptr;
    QPushButton *pushBtn_zoom_in = nullptr;
    QPushButton *pushBtn_zoom_out = nullptr;
    QPushButton *pushBtn_pipe = nullptr;
    QPushButton *pushBtn_mute = nullptr;
    QSlider *horizontalSlider_volume = nullptr;
    QWidget *widget_3 = nullptr;
    QGridLayout *gridLayout_3 = nullptr;
    QLabel *label = nullptr;
    QWidget *widget_status = nullptr;
    QLabel *label_status_bg = nullptr;
    QWidget *widget_speed_control = nullptr;
    QGridLayout *gridLayout_speed_control = nullptr;
    QWidget *widget = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    QLabel *label_5 = nullptr;
    QWidget *widget_4 = nullptr;
    QGridLayout *gridLayout_4 = nullptr;
    QWidget *widget_6 = nullptr;
    QGridLayout *gridLayout_6 = nullptr;
    KoGsensorWidget *widget_draw_gsensor = nullptr;
    QWidget *widget_8 = nullptr;
    QGridLayout *gridLayout_8 = nullptr;
    QLabel *label_gsensor_x = nullptr;
    QLabel *label_gsensor_y = nullptr;
    QLabel *label_gsensor_z = nullptr;
    QWidget *widget_lat_lng = nullptr;
    QGridLayout *gridLayout_lat_lng = nullptr;
    QLabel *label_max_speed_10 = nullptr;
    QLabel *label_lng = nullptr;
    QLabel *label_max_speed_11 = nullptr;
    QLabel *label_lat = nullptr;
    QLabel *label_altitude = nullptr;
    QLabel *label_altitude_value = nullptr;
    QWidget *widget_7 = nullptr;
    QWidget *widget_speed_info = nullptr;
    QLabel *label_speed_bg = nullptr;
    KoGPSSpeedLabel *label_draw_speed = nullptr;
    QLabel *label_speed_value = nullptr;
    QWidget *widget_campass = nullptr;
    KoCampassLabel *label_campass = nullptr;
    QWidget *widget_right = nullptr;
    QGridLayout *gridLayout_right = nullptr;
    QSplitter *splitter_right = nullptr;
    QWidget *widget_map = nullptr;
    QGridLayout *gridLayout_map = nullptr;
    KoMapView *webview = nullptr;
    QWidget *widget_filelist = nullptr;
    QGridLayout *gridLayout_filelist = nullptr;
    QWidget *widget_filelist_bg = nullptr;
    QLabel *label_file_shadow_top = nullptr;
    QLabel *label_file_shadow_bottom = nullptr;
    QLabel *label_file_shadow_center = nullptr;
    QWidget *widget_filelist_content = nullptr;
    QGridLayout *gridLayout_filelist_content = nullptr;
    QWidget *widget_file_tool = nullptr;
    QGridLayout *gridLayout_file_tool = nullptr;
    KoCustomPushButton *pushBtn_add_file = nullptr;
    KoCustomPushButton *pushBtn_add_dir = nullptr;
    KoCustomPushButton *pushBtn_clear_list = nullptr;
    JXDeviceTreeView *treeView_filelist = nullptr;
    JXPlayWidget *widget_display_1 = nullptr;
    JXPlayWidget *widget_display_2 = nullptr;
    QLabel *label_main_split = nullptr;
    QLabel *label_right_split = nullptr;
    QWidget *widget_navigate = nullptr;
    JXPlayWidget *widget_display_3 = nullptr;
    KoCoverWidget *widget_display_cover = nullptr;

    // The dials are 152 pixels square; their containers are 160 high, so the
    // dial sits 4 pixels down and the unit text in the gap at its bottom.
    static constexpr int kDialTop = 4;

    // Children of the window are created bottom to top of the stacking order.
    void setupUi(VelmorMainWidget *window)
    {
        if (window->objectName().isEmpty())
            window->setObjectName(QStringLiteral("VelmorMainWidget"));
        window->resize(1035, 665);
        window->setMinimumSize(1035, 665);
        window->setStyleSheet(QStringLiteral("QWidget#VelmorMainWidget {\nbackground-color: rgb(0,0,0);\n}"));

        splitter_main = new QSplitter(Qt::Horizontal, window);
        splitter_main->setObjectName(QStringLiteral("splitter_main"));
        splitter_main->setHandleWidth(3);
        splitter_main->setChildrenCollapsible(false);
        splitter_main->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: black }"));
        setupLeft();
        setupRight();

        widget_display_1 = display(window, "widget_display_1");
        widget_display_2 = display(window, "widget_display_2");
        label_main_split = line(window, "label_main_split");
        label_right_split = line(window, "label_right_split");

        widget_navigate = new QWidget(window);
        widget_navigate->setObjectName(QStringLiteral("widget_navigate"));
        widget_navigate->setMinimumHeight(35);
        widget_navigate->setMaximumHeight(35);
        widget_navigate->setStyleSheet(
            QStringLiteral("QWidget#widget_navigate {\nbackground-color: rgb(5, 38, 61);\n}"));
        widget_navigate->setAttribute(Qt::WA_StyledBackground);

        widget_display_3 = display(window, "widget_display_3");
        widget_display_cover = new KoCoverWidget(window);
        widget_display_cover->setObjectName(QStringLiteral("widget_display_cover"));

        // Native windows (the displays make their siblings native) stack in
        // the order their widgets were raised.
        for (QWidget *w :
             {static_cast<QWidget *>(splitter_main), static_cast<QWidget *>(widget_display_1),
              static_cast<QWidget *>(widget_display_2), static_cast<QWidget *>(label_main_split),
              static_cast<QWidget *>(label_right_split), widget_navigate,
              static_cast<QWidget *>(widget_display_3), static_cast<QWidget *>(widget_display_cover)})
            w->raise();

        retranslateUi(window);
        QMetaObject::connectSlotsByName(window);
    }

    void retranslateUi(VelmorMainWidget *)
    {
        const QString emptyTip = QStringLiteral("<html><head/><body><p><br/></p></body></html>");
        for (QPushButton *button : transportButtons()) {
            button->setText(QString());
            button->setToolTip(emptyTip);
        }
        label_max_speed_10->setText(QCoreApplication::translate("VelmorMainWidget", "经 度"));
        label_max_speed_11->setText(QCoreApplication::translate("VelmorMainWidget", "伟 度"));
        label_altitude->setText(QCoreApplication::translate("VelmorMainWidget", "海 拔"));
    }

    QList<QPushButton *> transportButtons() const
    {
        return {pushBtn_open_dir, pushBtn_fullscreen, pushBtn_capture, pushBtn_lastFrame,
                pushBtn_play,     pushBtn_nextFrame,  pushBtn_stop,    pushBtn_zoom_in,
                pushBtn_zoom_out, pushBtn_pipe,       pushBtn_mute};
    }

private:
    static JXPlayWidget *display(QWidget *window, const char *name)
    {
        auto *d = new JXPlayWidget(window);
        d->setObjectName(QLatin1String(name));
        return d;
    }

    static QLabel *line(QWidget *parent, const char *name)
    {
        auto *l = new QLabel(parent);
        l->setObjectName(QLatin1String(name));
        l->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
        return l;
    }

    static QGridLayout *grid(QWidget *owner, const char *name, int hSpacing, int vSpacing)
    {
        auto *g = new QGridLayout(owner);
        g->setObjectName(QLatin1String(name));
        g->setHorizontalSpacing(hSpacing);
        g->setVerticalSpacing(vSpacing);
        g->setContentsMargins(0, 0, 0, 0);
        return g;
    }

    // A widget painting its own style-sheet background, scoped to itself so
    // that its children keep theirs.
    static QWidget *panel(QWidget *parent, const char *name, const QString &style = QString())
    {
        auto *w = new QWidget(parent);
        w->setObjectName(QLatin1String(name));
        if (!style.isEmpty()) {
            w->setAttribute(Qt::WA_StyledBackground);
            w->setStyleSheet(QStringLiteral("QWidget#%1 {\n%2\n}").arg(QLatin1String(name), style));
        }
        return w;
    }

    static QLabel *makeLabel(QWidget *parent, const char *name, const QString &style,
                             const QString &text = QString())
    {
        auto *l = new QLabel(parent);
        l->setObjectName(QLatin1String(name));
        l->setStyleSheet(style);
        l->setText(text);
        return l;
    }

    // A one-pixel white line inside a one-pixel high holder.
    static QLabel *separator(QWidget *holder, QGridLayout *&layout, const char *name, int leftInset)
    {
        holder->setFixedHeight(1);
        layout = grid(holder, "", 0, 0);
        layout->setContentsMargins(leftInset, 0, 0, 0);
        QLabel *l = makeLabel(holder, name, QStringLiteral("background-color: rgb(255, 255, 255);"));
        l->setFixedHeight(1);
        layout->addWidget(l, 0, 0, 1, 1);
        return l;
    }

    static QSpacerItem *spacer()
    {
        return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    }

    static QString sliderStyle();
    QPushButton *transportButton(const char *name, const char *image, bool disabledImage,
                                 const char *checkedImage, int column);
    KoCustomPushButton *fileButton(const char *name, const QString &style, int column);
    void setupLeft();
    void setupTransportBar();
    void setupInstruments();
    void setupRight();
};

inline void Ui_VelmorMainWidget::setupLeft()
{
    widget_left = new QWidget(splitter_main);
    widget_left->setObjectName(QStringLiteral("widget_left"));
    widget_left->setMinimumWidth(694);
    gridLayout_left = grid(widget_left, "gridLayout_left", 0, 0);

    widget_dispMan = panel(widget_left, "widget_dispMan", QStringLiteral("background-color: rgb(0, 0, 0);"));
    gridLayout_left->addWidget(widget_dispMan, 0, 0, 1, 1);

    widget_tool = new QWidget(widget_left);
    widget_tool->setObjectName(QStringLiteral("widget_tool"));
    widget_tool->setMinimumSize(660, 230);
    widget_tool->setMaximumHeight(230);
    gridLayout_tool = grid(widget_tool, "gridLayout_tool", 0, 3);
    gridLayout_left->addWidget(widget_tool, 1, 0, 1, 1);

    widget_5 = panel(widget_tool, "widget_5");
    label_2 = separator(widget_5, gridLayout_5, "label_2", 0);
    gridLayout_tool->addWidget(widget_5, 0, 0, 1, 1);

    widget_control =
        panel(widget_tool, "widget_control", QStringLiteral("background-color: rgb(12, 13, 34);"));
    gridLayout_tool->addWidget(widget_control, 1, 0, 1, 1);
    label_control_bg = makeLabel(widget_control, "label_control_bg",
                                 QStringLiteral("border-image: url(:/images/images/control_shadow.png);"));
    widget_file_control = panel(widget_control, "widget_file_control");
    widget_file_control->setMinimumWidth(645);
    widget_file_control->setMaximumWidth(940);
    gridLayout_file_control = grid(widget_file_control, "gridLayout_file_control", 0, 0);

    widget_12 = panel(widget_file_control, "widget_12");
    gridLayout_12 = grid(widget_12, "gridLayout_12", 2, 0);
    gridLayout_12->setContentsMargins(9, 0, 9, 0);
    horizontalSlider_progress = new KoProgressSlider(widget_12);
    horizontalSlider_progress->setObjectName(QStringLiteral("horizontalSlider_progress"));
    horizontalSlider_progress->setRange(0, 100);
    horizontalSlider_progress->setOrientation(Qt::Horizontal);
    horizontalSlider_progress->setFocusPolicy(Qt::NoFocus);
    horizontalSlider_progress->setStyleSheet(sliderStyle());
    gridLayout_12->addWidget(horizontalSlider_progress, 1, 0, 1, 1);
    label_play_time = makeLabel(widget_12, "label_play_time",
                                QStringLiteral("color: rgb(212, 221, 227);\nfont: 13px \"Tahoma\";"),
                                QStringLiteral("00:00/00:00"));
    label_play_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Tall enough for the 13-pixel digits; a lower label clips them.
    label_play_time->setMaximumHeight(18);
    gridLayout_12->addWidget(label_play_time, 1, 2, 1, 1);
    label_play_note = makeLabel(widget_12, "label_play_note",
                                QStringLiteral("color: rgb(251, 176, 59);\nfont: 12px \"Tahoma\";"), QString());
    label_play_note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_play_note->setMaximumHeight(18);
    label_play_note->hide();
    gridLayout_12->addWidget(label_play_note, 1, 1, 1, 1);
    gridLayout_file_control->addWidget(widget_12, 0, 0, 1, 1);

    widget_13 = panel(widget_file_control, "widget_13");
    gridLayout_13 = grid(widget_13, "gridLayout_13", 0, 0);
    setupTransportBar();
    gridLayout_file_control->addWidget(widget_13, 1, 0, 1, 1);

    widget_3 = panel(widget_tool, "widget_3");
    label = separator(widget_3, gridLayout_3, "label", 4);
    gridLayout_tool->addWidget(widget_3, 2, 0, 1, 1);

    widget_status = panel(widget_tool, "widget_status", QStringLiteral("background-color: rgb(10, 19, 39);"));
    widget_status->setFixedHeight(160);
    gridLayout_tool->addWidget(widget_status, 3, 0, 1, 1);
    label_status_bg = makeLabel(widget_status, "label_status_bg",
                                QStringLiteral("border-image: url(:/images/images/main_shadow.png);"));
    setupInstruments();
}

inline QString Ui_VelmorMainWidget::sliderStyle()
{
    return QStringLiteral("QSlider::groove:horizontal {\n"
                          "border: 1px solid #999999;\n"
                          "height: 2px;\n"
                          "margin: 0px 0;\n"
                          "}\n"
                          "QSlider::handle:horizontal {\n"
                          "border-image: url(:/images/images/schedule_round.png);\n"
                          "width: 13px;\n"
                          "margin: -6px 0;\n"
                          "}\n"
                          "QSlider::sub-page:horizontal {\n"
                          "background: #12fdfe;\n"
                          "}\n"
                          "QSlider::add-page:horizontal {\n"
                          "background: #4D4D4D;\n"
                          "}");
}

inline QPushButton *Ui_VelmorMainWidget::transportButton(const char *name, const char *image,
                                                         bool disabledImage, const char *checkedImage,
                                                         int column)
{
    auto *button = new QPushButton(widget_13);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(37, 37);
    button->setFocusPolicy(Qt::NoFocus);
    const QString url = QStringLiteral("url(:/images/images/%1%2.png)");
    QString style =
        QStringLiteral("QPushButton {\nborder-image: %1;\n}\n"
                       "QPushButton:pressed:hover {\nborder-image: %2;\n}\n")
            .arg(url.arg(QLatin1String(image), QString()), url.arg(QLatin1String(image), "_press"));
    if (disabledImage)
        style += QStringLiteral("QPushButton:disabled {\nborder-image: %1;\n}\n")
                     .arg(url.arg(QLatin1String(image), "_dis"));
    if (checkedImage) {
        button->setCheckable(true);
        button->setChecked(false);
        style += QStringLiteral("QPushButton:checked {\nborder-image: %1;\n}\n"
                                "QPushButton:checked:hover {\nborder-image: %2;\n}\n")
                     .arg(url.arg(QLatin1String(checkedImage), QString()),
                          url.arg(QLatin1String(checkedImage), "_press"));
    }
    button->setStyleSheet(style);
    gridLayout_13->addWidget(button, 0, column, 1, 1);
    return button;
}

inline void Ui_VelmorMainWidget::setupTransportBar()
{
    for (int column : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 21, 23, 25})
        gridLayout_13->addItem(spacer(), 0, column, 1, 1);
    pushBtn_open_dir = transportButton("pushBtn_open_dir", "icon_folder", false, nullptr, 1);
    pushBtn_fullscreen = transportButton("pushBtn_fullscreen", "icon_zoom", true, nullptr, 3);
    pushBtn_capture = transportButton("pushBtn_capture", "icon_cut", true, nullptr, 5);
    pushBtn_lastFrame = transportButton("pushBtn_lastFrame", "icon_enter", true, nullptr, 7);
    pushBtn_play = transportButton("pushBtn_play", "icon_play", true, "icon_stop", 9);
    pushBtn_nextFrame = transportButton("pushBtn_nextFrame", "icon_retreat", true, nullptr, 11);
    pushBtn_stop = transportButton("pushBtn_stop", "icon_pause", true, nullptr, 13);
    pushBtn_zoom_in = transportButton("pushBtn_zoom_in", "icon_shrink", true, nullptr, 15);
    pushBtn_zoom_out = transportButton("pushBtn_zoom_out", "icon_enlarge", true, nullptr, 17);
    pushBtn_pipe = transportButton("pushBtn_pipe", "icon_pipe", true, nullptr, 19);
    pushBtn_mute = transportButton("pushBtn_mute", "icon_sound", true, "icon_mute", 22);

    horizontalSlider_volume = new QSlider(Qt::Horizontal, widget_13);
    horizontalSlider_volume->setObjectName(QStringLiteral("horizontalSlider_volume"));
    horizontalSlider_volume->setFixedWidth(90);
    horizontalSlider_volume->setFocusPolicy(Qt::NoFocus);
    horizontalSlider_volume->setRange(0, 200);
    horizontalSlider_volume->setValue(55);
    horizontalSlider_volume->setStyleSheet(sliderStyle());
    gridLayout_13->addWidget(horizontalSlider_volume, 0, 24, 1, 1);
}

inline void Ui_VelmorMainWidget::setupInstruments()
{
    const QString legend = QStringLiteral("font: 75 12px \"Tahoma\";\ncolor: %1;");
    const QString cyan = QStringLiteral("rgb(0,255,255)");
    const QString orange = QStringLiteral("rgb(251,176,59)");
    const QString green = QStringLiteral("rgb(0,255,0)");

    widget_speed_control = panel(widget_status, "widget_speed_control");
    widget_speed_control->setMaximumWidth(800);
    gridLayout_speed_control = grid(widget_speed_control, "gridLayout_speed_control", 2, 0);
    gridLayout_speed_control->addItem(spacer(), 0, 0, 1, 1);

    widget = panel(widget_speed_control, "widget");
    // As wide as the legends it holds.
    widget->setMinimumWidth(21);
    label_3 = makeLabel(widget, "label_3", legend.arg(cyan), QStringLiteral("X"));
    label_3->setGeometry(0, 9, 21, 16);
    label_4 = makeLabel(widget, "label_4", legend.arg(orange), QStringLiteral("Y"));
    label_4->setGeometry(0, 37, 21, 16);
    label_5 = makeLabel(widget, "label_5", legend.arg(green), QStringLiteral("Z"));
    label_5->setGeometry(0, 66, 21, 16);
    gridLayout_speed_control->addWidget(widget, 0, 1, 1, 1);

    widget_4 = panel(widget_speed_control, "widget_4");
    widget_4->setMinimumWidth(330);
    widget_4->setMaximumWidth(440);
    gridLayout_4 = grid(widget_4, "gridLayout_4", 0, 2);
    gridLayout_4->setContentsMargins(0, 4, 0, 4);
    widget_6 = panel(widget_4, "widget_6");
    gridLayout_6 = grid(widget_6, "gridLayout_6", 0, 0);
    widget_draw_gsensor = new KoGsensorWidget(widget_6);
    widget_draw_gsensor->setObjectName(QStringLiteral("widget_draw_gsensor"));
    gridLayout_6->addWidget(widget_draw_gsensor, 0, 0, 1, 1);
    widget_8 = panel(widget_6, "widget_8");
    widget_8->setFixedHeight(16);
    gridLayout_8 = grid(widget_8, "gridLayout_8", 0, 0);
    label_gsensor_x = makeLabel(widget_8, "label_gsensor_x", legend.arg(cyan), QStringLiteral("X: 340"));
    label_gsensor_y = makeLabel(widget_8, "label_gsensor_y", legend.arg(orange), QStringLiteral("Y: 120"));
    label_gsensor_y->setMinimumWidth(70);
    label_gsensor_y->setMaximumWidth(100);
    label_gsensor_z = makeLabel(widget_8, "label_gsensor_z", legend.arg(green), QStringLiteral("Z: 134"));
    gridLayout_8->addWidget(label_gsensor_x, 0, 0, 1, 1);
    gridLayout_8->addWidget(label_gsensor_y, 0, 1, 1, 1);
    gridLayout_8->addWidget(label_gsensor_z, 0, 2, 1, 1);
    gridLayout_6->addWidget(widget_8, 1, 0, 1, 1);
    gridLayout_4->addWidget(widget_6, 0, 0, 1, 1);

    widget_lat_lng =
        panel(widget_4, "widget_lat_lng", QStringLiteral("border: 1px solid rgb(229, 229, 229);"));
    widget_lat_lng->setFixedHeight(45);
    gridLayout_lat_lng = grid(widget_lat_lng, "gridLayout_lat_lng", 0, 0);
    gridLayout_lat_lng->setContentsMargins(2, 3, 2, 3);
    const QString caption = QStringLiteral("color: rgb(255, 255, 255);\nfont: 13px \"Tahoma\";");
    const QString value = QStringLiteral("color: #12fdfe;\nfont: 13px \"Tahoma\";");
    label_max_speed_10 = makeLabel(widget_lat_lng, "label_max_speed_10", caption);
    label_lng = makeLabel(widget_lat_lng, "label_lng", value, QStringLiteral("000.0000"));
    label_max_speed_11 = makeLabel(widget_lat_lng, "label_max_speed_11", caption);
    label_lat = makeLabel(widget_lat_lng, "label_lat", value, QStringLiteral("000.0000"));
    label_altitude = makeLabel(widget_lat_lng, "label_altitude", caption);
    label_altitude_value =
        makeLabel(widget_lat_lng, "label_altitude_value", value, QStringLiteral("000.0000"));
    const QList<QLabel *> cells = {label_max_speed_10, label_lng,      label_max_speed_11,
                                   label_lat,          label_altitude, label_altitude_value};
    for (int i = 0; i < cells.size(); ++i) {
        cells[i]->setAlignment(Qt::AlignCenter);
        gridLayout_lat_lng->addWidget(cells[i], i % 2, i / 2, 1, 1);
    }
    gridLayout_4->addWidget(widget_lat_lng, 1, 0, 1, 1);
    gridLayout_speed_control->addWidget(widget_4, 0, 2, 1, 1);
    gridLayout_speed_control->addItem(spacer(), 0, 3, 1, 1);

    widget_7 = panel(widget_speed_control, "widget_7");
    widget_7->setFixedWidth(315);
    widget_speed_info = panel(widget_7, "widget_speed_info");
    widget_speed_info->setGeometry(5, 0, 152, 160);
    label_speed_bg = makeLabel(widget_speed_info, "label_speed_bg",
                               QStringLiteral("image: url(:/images/images/icon_meter_ring.png);"));
    label_speed_bg->setGeometry(0, kDialTop, 152, 152);
    label_draw_speed = new KoGPSSpeedLabel(widget_speed_info);
    label_draw_speed->setObjectName(QStringLiteral("label_draw_speed"));
    label_draw_speed->setGeometry(0, kDialTop, 152, 152);
    label_speed_value = makeLabel(widget_speed_info, "label_speed_value",
                                  QStringLiteral("color: rgb(255, 255, 255);\nfont: 75 12px \"Tahoma\";"),
                                  QStringLiteral("Km/h"));
    label_speed_value->setAlignment(Qt::AlignCenter);
    // In the opening at the bottom of the ring, between the 0 and 240 marks.
    label_speed_value->setGeometry(0, kDialTop + 116, 152, 15);
    widget_campass = panel(widget_7, "widget_campass");
    widget_campass->setGeometry(153, 0, 152, 160);
    label_campass = new KoCampassLabel(widget_campass);
    label_campass->setObjectName(QStringLiteral("label_campass"));
    label_campass->setStyleSheet(QStringLiteral("image: url(:/images/images/icon_pointer_ring.png);"));
    label_campass->setGeometry(0, kDialTop, 152, 152);
    gridLayout_speed_control->addWidget(widget_7, 0, 4, 1, 1);
    gridLayout_speed_control->addItem(spacer(), 0, 5, 1, 1);
}

inline void Ui_VelmorMainWidget::setupRight()
{
    widget_right = new QWidget(splitter_main);
    widget_right->setObjectName(QStringLiteral("widget_right"));
    widget_right->setMinimumWidth(333);
    gridLayout_right = grid(widget_right, "gridLayout_right", 0, 0);
    splitter_right = new QSplitter(Qt::Vertical, widget_right);
    splitter_right->setObjectName(QStringLiteral("splitter_right"));
    splitter_right->setHandleWidth(5);
    splitter_right->setChildrenCollapsible(false);
    gridLayout_right->addWidget(splitter_right, 0, 0, 1, 1);

    widget_map = panel(splitter_right, "widget_map", QStringLiteral("background-color: rgb(255, 255, 255);"));
    widget_map->setMinimumHeight(60);
    gridLayout_map = grid(widget_map, "gridLayout_map", 0, 0);
    gridLayout_map->setContentsMargins(3, 0, 0, 3);
    webview = new KoMapView(widget_map);
    webview->setObjectName(QStringLiteral("webview"));
    gridLayout_map->addWidget(webview, 0, 0, 1, 1);

    widget_filelist =
        panel(splitter_right, "widget_filelist", QStringLiteral("background-color: rgb(0, 0, 0);"));
    widget_filelist->setMinimumHeight(190);
    gridLayout_filelist = grid(widget_filelist, "gridLayout_filelist", 0, 0);
    gridLayout_filelist->setContentsMargins(1, 3, 1, 0);
    widget_filelist_bg =
        panel(widget_filelist, "widget_filelist_bg", QStringLiteral("background-color: rgb(12, 13, 34);"));
    gridLayout_filelist->addWidget(widget_filelist_bg, 0, 0, 1, 1);
    label_file_shadow_top =
        makeLabel(widget_filelist_bg, "label_file_shadow_top",
                  QStringLiteral("border-image: url(:/images/images/file_shadow_top.png);"));
    label_file_shadow_top->setFixedHeight(9);
    label_file_shadow_bottom =
        makeLabel(widget_filelist_bg, "label_file_shadow_bottom",
                  QStringLiteral("border-image: url(:/images/images/file_shadow_bottom.png);"));
    label_file_shadow_bottom->setFixedHeight(9);
    label_file_shadow_center =
        makeLabel(widget_filelist_bg, "label_file_shadow_center",
                  QStringLiteral("border-image: url(:/images/images/file_shadow.png);"));

    widget_filelist_content =
        panel(widget_filelist_bg, "widget_filelist_content", QStringLiteral("background: transparent;"));
    gridLayout_filelist_content = grid(widget_filelist_content, "gridLayout_filelist_content", 0, 0);
    widget_file_tool = panel(widget_filelist_content, "widget_file_tool",
                             QStringLiteral("border-bottom: 1px solid rgb(229, 229, 229);"));
    widget_file_tool->setFixedHeight(35);
    gridLayout_file_tool = grid(widget_file_tool, "gridLayout_file_tool", 1, 0);
    const QString flat =
        QStringLiteral("QPushButton {\nbackground: transparent;\ncolor: rgb(255, 255, 255);\n"
                       "border: none;%1\n}");
    const QString sides = QStringLiteral("\nborder-left: 1px solid rgb(229, 229, 229);"
                                         "\nborder-right: 1px solid rgb(229, 229, 229);");
    pushBtn_add_file = fileButton("pushBtn_add_file", flat.arg(QString()), 0);
    pushBtn_add_dir = fileButton("pushBtn_add_dir", flat.arg(sides), 1);
    pushBtn_clear_list = fileButton("pushBtn_clear_list", flat.arg(QString()), 2);
    gridLayout_filelist_content->addWidget(widget_file_tool, 0, 0, 1, 1);

    treeView_filelist = new JXDeviceTreeView(widget_filelist_content);
    treeView_filelist->setObjectName(QStringLiteral("treeView_filelist"));
    // A click puts the focus on the list (away from the map page); the
    // playback keys work wherever it is.
    treeView_filelist->setFocusPolicy(Qt::ClickFocus);
    treeView_filelist->setContextMenuPolicy(Qt::CustomContextMenu);
    treeView_filelist->setFrameShape(QFrame::NoFrame);
    treeView_filelist->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    treeView_filelist->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    treeView_filelist->setAutoScrollMargin(0);
    treeView_filelist->setProperty("showDropIndicator", QVariant(false));
    treeView_filelist->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    treeView_filelist->setItemsExpandable(false);
    treeView_filelist->setHeaderHidden(true);
    treeView_filelist->setStyleSheet(QStringLiteral("QTreeView {\nbackground: transparent;\n}"));
    gridLayout_filelist_content->addWidget(treeView_filelist, 1, 0, 1, 1);
}

inline KoCustomPushButton *Ui_VelmorMainWidget::fileButton(const char *name, const QString &style, int column)
{
    auto *button = new KoCustomPushButton(widget_file_tool);
    button->setObjectName(QLatin1String(name));
    button->setMinimumHeight(34);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(style);
    gridLayout_file_tool->addWidget(button, 0, column, 1, 1);
    return button;
}

namespace Ui {
class VelmorMainWidget : public Ui_VelmorMainWidget
{
};
} // namespace Ui
