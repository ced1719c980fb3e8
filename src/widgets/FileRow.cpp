#include "widgets/FileRow.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* AddFileRow(QWidget* dialog, const char* name, const QString& caption, QGridLayout* grid,
                      int row) {
    auto* e = new QLineEdit(dialog);
    e->setObjectName(QString::fromLatin1(name));
    auto* browse = new QPushButton(QStringLiteral("..."), dialog);
    browse->setFixedWidth(dialog->fontMetrics().averageCharWidth() * 5);
    QObject::connect(browse, &QPushButton::clicked, dialog, [dialog, e, caption] {
        const QString file = QFileDialog::getOpenFileName(dialog, caption, e->text());
        if (!file.isEmpty())
            e->setText(file);
    });
    grid->addWidget(new QLabel(caption, dialog), row, 0);
    grid->addWidget(e, row, 1);
    grid->addWidget(browse, row, 2);
    return e;
}
