#include "TestMain.h"
#include "desktop/DesktopInput.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/PlayLabel.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoCustomComboBox.h"
#include "widgets/KoTitleBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <mpv/client.h>

#include <memory>

using namespace DesktopInput;

// The real main window on a desktop with a window manager, in German, driven
// only by real X input: what a user sees of Qt's own dialogs, the settings'
// lists, and the seek bar.
class tst_PlayerOnDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }

    static QString shot(const char *name)
    {
        return QStringLiteral(TAVRIN_SHOTS_DIR "/") + QLatin1String(name);
    }

    double position(int k) const
    {
        double pos = -1;
        mpv_get_property(m_window->display(k)->playLabel()->mpvHandle(), "time-pos", MPV_FORMAT_DOUBLE, &pos);
        return pos;
    }

    // Opens a combo's list with a click and checks it lies right under the
    // combo, in its width, where the combo really is on the screen.
    static void listOpensUnder(KoCustomComboBox *combo, const char *screenshot = nullptr)
    {
        QVERIFY(click(combo));
        QWidget *popup = combo->view()->parentWidget();
        QTRY_VERIFY(popup->isVisible());
        QTest::qWait(150);
        const QRect list = serverGeometry(popup);
        QCOMPARE(list.topLeft(), screenPoint(combo, QPoint(0, combo->height())));
        QCOMPARE(list.width(), combo->width());
        if (screenshot)
            QVERIFY(DesktopInput::screenshot(shot(screenshot)));
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_VERIFY(!popup->isVisible());
    }

private slots:
    void initTestCase()
    {
        // A user who chose German, as the start of the program loads it.
        auto *settings = JXDefaultSettings::instance();
        settings->setLanguage(5);
        settings->setMapType(KoMapType::OpenStreetMap);
        settings->setVideoDir(QStringLiteral(TAVRIN_SAMPLES_DIR));
        int language = settings->getLanguage();
        loadTranslator(language);
        installTranslators();
        m_window = std::make_unique<VelmorMainWidget>();
        // No sound device here.
        for (int k = 1; k <= 3; ++k)
            mpv_set_option_string(m_window->display(k)->playLabel()->mpvHandle(), "ao", "null");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(activate(m_window.get()));
        // The window manager placed it away from the corner, where a wrong
        // screen position shows.
        const QRect placed = serverGeometry(m_window.get());
        QVERIFY2(placed.x() > 50 && placed.y() > 50,
                 qPrintable(QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y())));
    }

    void cleanupTestCase()
    {
        if (m_window)
            m_window->stopPlay();
        m_window.reset();
    }

    // The add-file button opens Qt's file dialog, which speaks German too.
    void fileDialogSpeaksTheChosenLanguage()
    {
        QStringList labels;
        const bool ran =
            withModal([this] { return click(ui()->pushBtn_add_file); },
                      [&labels](QWidget *modal) {
                          auto *dialog = qobject_cast<QFileDialog *>(modal);
                          QVERIFY2(dialog, modal->metaObject()->className());
                          QVERIFY(QTest::qWaitForWindowExposed(dialog));
                          QTest::qWait(300);
                          for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                              labels << dialog->findChild<QLabel *>(QLatin1String(name))->text();
                          const auto *box = dialog->findChild<QDialogButtonBox *>();
                          labels << box->button(QDialogButtonBox::Cancel)->text();
                          QVERIFY(DesktopInput::screenshot(shot("file-dialog-de.png")));
                          QVERIFY(key(QStringLiteral("Escape")));
                      });
        QVERIFY(ran);
        QCOMPARE(labels, QStringList({QStringLiteral("Suchen in:"), QStringLiteral("Datei&name:"),
                                      QStringLiteral("Dateien des Typs:"), QStringLiteral("Abbrechen")}));
        QVERIFY(m_window->fileModels().isEmpty());
    }

    // Each opening of the settings, wherever the dialog is: every list drops
    // under its combo. The last opening switches to English, and Qt's own
    // texts follow at once.
    void settingsListsOpenUnderTheirCombos()
    {
        QPushButton *settingsButton =
            m_window->titleBar()->findChild<QPushButton *>(QStringLiteral("ButtonMenu"));
        QVERIFY(settingsButton);
        for (int opening = 1; opening <= 3; ++opening) {
            const bool ran = withModal(
                [settingsButton] { return click(settingsButton); },
                [&](QWidget *modal) {
                    auto *dialog = qobject_cast<KoAppSettingDialog *>(modal);
                    QVERIFY(dialog);
                    QVERIFY(QTest::qWaitForWindowExposed(dialog));
                    QTest::qWait(300);
                    if (opening == 2) {
                        // Moved by its title bar first.
                        const QRect before = serverGeometry(dialog);
                        const QPoint grip = screenPoint(dialog->titleBar(), QPoint(60, 15));
                        QVERIFY(drag(grip, grip + QPoint(-300, 120)));
                        QTRY_COMPARE(serverGeometry(dialog).topLeft(), before.topLeft() + QPoint(-300, 120));
                    }
                    const QRect at = serverGeometry(dialog);
                    QVERIFY(at.x() > 50 && at.y() > 50);
                    for (const QString name : {"comboBox_language", "comboBox_map", "comboBox_unit"})
                        listOpensUnder(dialog->findChild<KoCustomComboBox *>(name),
                                       opening == 2 && name == "comboBox_language"
                                           ? "settings-language-list.png"
                                           : nullptr);
                    if (opening == 3) {
                        auto *language =
                            dialog->findChild<KoCustomComboBox *>(QStringLiteral("comboBox_language"));
                        QVERIFY(click(language));
                        QTRY_VERIFY(language->view()->isVisible());
                        const QModelIndex english = language->model()->index(2, 0);
                        QVERIFY(click(language->view()->viewport(),
                                      language->view()->visualRect(english).center()));
                        QTRY_COMPARE(JXDefaultSettings::instance()->getLanguage(), 2);
                        QString lookIn;
                        QVERIFY(withModal(
                            [dialog] {
                                return click(dialog->findChild<QPushButton *>("pushBtn_selectSnapDir"));
                            },
                            [&lookIn](QWidget *chooser) {
                                QVERIFY(QTest::qWaitForWindowExposed(chooser));
                                lookIn = chooser->findChild<QLabel *>(QStringLiteral("lookInLabel"))->text();
                                QVERIFY(key(QStringLiteral("Escape")));
                            }));
                        QCOMPARE(lookIn, QStringLiteral("Look in:"));
                    }
                    QVERIFY(
                        click(dialog->titleBar()->findChild<QPushButton *>(QStringLiteral("ButtonClose"))));
                });
            QVERIFY2(ran, qPrintable(QString::number(opening)));
        }
    }

    // A press on the bar beside the handle jumps there and drags on: every
    // display follows to where the button is let go, on the same frame.
    void seekBarDragsFromAPressBesideTheHandle()
    {
        m_window->addChosenFolder(QStringLiteral(TAVRIN_SAMPLES_DIR));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->mapBridge()->isPageReady(), 30000);
        KoFileInfoModel *recording = nullptr;
        for (KoFileInfoModel *m : m_window->fileModels()) {
            if (m->fileName() == QLatin1String("2019_0523_143006_002B.MP4"))
                recording = m;
        }
        QVERIFY(recording);
        JXDeviceTreeView *list = ui()->treeView_filelist;
        list->scrollTo(recording->listIndex());
        QVERIFY(doubleClick(list->viewport(), list->visualRect(recording->listIndex()).center()));
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE_WITH_TIMEOUT(m_window->display(k)->state(), 1, 20000);
        QVERIFY(click(ui()->pushBtn_play)); // pause
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning(), 10000);

        KoProgressSlider *bar = ui()->horizontalSlider_progress;
        QCOMPARE(bar->maximum(), 10);
        const int y = bar->height() / 2;
        const QPoint from = screenPoint(bar, QPoint(bar->width() * 25 / 100, y));
        const QPoint over = screenPoint(bar, QPoint(bar->width() * 55 / 100, y));
        const QPoint to = screenPoint(bar, QPoint(bar->width() * 85 / 100, y));
        QVERIFY(moveTo(from));
        QVERIFY(xdotool({"mousedown", "1"}));
        QTRY_COMPARE(bar->value(), 2);
        QVERIFY(moveTo(over));
        // Held half-way: the displays are already there.
        QTRY_COMPARE(bar->value(), 5);
        for (int k = 1; k <= 3; ++k)
            QTRY_VERIFY_WITH_TIMEOUT(qAbs(position(k) - 5.0) < 0.3, 10000);
        for (int step = 1; step <= 6; ++step)
            QVERIFY(moveTo(over + (to - over) * step / 6));
        QVERIFY(xdotool({"mouseup", "1"}));
        QTRY_COMPARE(bar->value(), 8);
        QVERIFY(!bar->isSliderDown());
        for (int k = 1; k <= 3; ++k)
            QTRY_VERIFY_WITH_TIMEOUT(qAbs(position(k) - 8.0) < 0.3, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning(), 10000);
        QCOMPARE(position(2), position(1));
        QCOMPARE(position(3), position(1));
    }
};

TAVRIN_TEST_MAIN(tst_PlayerOnDesktop, QApplication)
#include "tst_PlayerOnDesktop.moc"
