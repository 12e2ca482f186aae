// The About box: the program title in bold over the program's icon, and three
// short lines kept scrambled in the program until they are shown.
#pragma once

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* owner);
};

// The About command: shows the box until Enter, Esc or OK.
void OnAbout();
