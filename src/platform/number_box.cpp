#include "platform/number_box.h"

#include <QLineEdit>

#include "platform/message_box.h"

bool ReadNumberBox(QLineEdit& box, int min, int max, int& value) {
    bool isNumber = false;
    const int number = box.text().trimmed().toInt(&isNumber);
    if (isNumber && number >= min && number <= max) {
        value = number;
        return true;
    }
    MessageBox(isNumber ? QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max).toStdString()
                        : "Please enter an integer.",
               MB_OK, MB_ICONEXCLAMATION);
    box.setFocus();
    box.selectAll();
    return false;
}
