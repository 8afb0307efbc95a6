#pragma once

#include <QComboBox>

// A combo box whose list always drops down directly below the box, in the
// box's width and the settings panel's colour (never over or above it, even
// near the bottom of the screen).
class KoCustomComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit KoCustomComboBox(QWidget *parent = nullptr);

    void showPopup() override;
};
