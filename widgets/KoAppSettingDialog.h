#pragma once

#include "widgets/KoBasicDialog.h"

#include <functional>
#include <memory>

class QUrl;

namespace Ui {
class KoAppSettingDialog;
}

// The settings window: language, map service, speed unit and snapshot folder,
// each applied and stored the moment it is chosen (there is no OK or Cancel),
// above a version panel. Created with new and run modally; it deletes itself
// when closed.
class KoAppSettingDialog : public KoBasicDialog
{
    Q_OBJECT

public:
    // `onSettingChanged` (may be empty) is called with true after the map
    // type changed and with false after the speed unit changed.
    explicit KoAppSettingDialog(std::function<void(bool)> onSettingChanged, QWidget *parent = nullptr);
    ~KoAppSettingDialog() override;

    // The folder chooser's result: an empty path (cancelled) changes nothing;
    // a folder that cannot be written is refused with a message and the
    // stored folder stays. Returns whether the folder was taken.
    bool applySnapDir(const QString &path);

    // Whether a file can really be created in `dir` (permission bits alone
    // say nothing for root).
    static bool isWritableDir(const QString &dir);

private slots:
    void on_pushBtn_selectSnapDir_clicked();
    void on_comboBox_language_currentIndexChanged(int index);
    void on_comboBox_map_currentIndexChanged(int index);
    void on_comboBox_unit_currentIndexChanged(int index);
    void on_textBrowser_pellira_anchorClicked(const QUrl &arg1);
    void on_textBrowser_velmor_anchorClicked(const QUrl &arg1);

protected:
    void changeEvent(QEvent *event) override;

private:
    void initData();
    void showSnapDir(const QString &dir);

    std::unique_ptr<Ui::KoAppSettingDialog> ui;
    bool m_initializing = false;
    std::function<void(bool)> m_onSettingChanged;
};
