#include "ui/about/about_box.h"

#include "ui/accessibility/reading.h"
#include "ui/widgets/one_size_window.h"

#include <QLineEdit>

namespace tallimo::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle(QString());
    setModal(true);

    // The box's place in twips (120, 120, 2895 by 495), at 15 twips a pixel.
    auto* line = new QLineEdit(kProductLine, this);
    readBoxWhole(*line);
    line->setObjectName("Text1");
    line->setGeometry(8, 8, 193, 33);
    // Read-only, so that no key, paste or cut can change the line.
    line->setReadOnly(true);
    line->setAccessibleName("Product and build");
    setFixedSize(209, 49);
    keepOneSize(*this);
}

}  // namespace tallimo::ui
