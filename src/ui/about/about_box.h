#pragma once
// The about box frmAbout: the product line in a box that takes no typing. Shown
// modally with exec().

#include <QDialog>

namespace tallimo::ui {

inline constexpr const char* kProductLine = "Tallimo Build C V1";

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace tallimo::ui
