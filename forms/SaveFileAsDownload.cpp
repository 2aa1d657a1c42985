#include "forms/SaveFileAs.h"

#include "forms/SaveToFile.h"
#include "forms/ShowNotice.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

// The type whose suffix the file name carries, or -1.
int TypeOfName(const QString& name, const QList<TFileType>& types) {
    const QString suffix = QFileInfo(name).suffix();
    for (qsizetype i = 0; i < types.size(); ++i)
        if (suffix.compare(types[i].suffix, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// The name and type of a download: the browser decides where it goes (the downloads
// folder, or a place the browser asks for), so the program asks no folder.
class TDownloadDialog : public QDialog {
  public:
    TDownloadDialog(QWidget* parent, const QString& caption, const QString& baseName,
                    const QList<TFileType>& types)
        : QDialog(parent), baseName_(baseName) {
        setObjectName(QString::fromLatin1(kSaveFileDialogName));
        setWindowTitle(caption);
        name_ = new QLineEdit(baseName, this);
        name_->setObjectName(QStringLiteral("FileName"));
        type_ = new QComboBox(this);
        type_->setObjectName(QStringLiteral("FileType"));
        for (const TFileType& type : types)
            type_->addItem(type.filter);
        auto* buttons = new QDialogButtonBox(this);
        buttons->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole)
            ->setDefault(true);
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QFormLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addRow(QStringLiteral("Имя файла:"), name_);
        layout->addRow(QStringLiteral("Тип файла:"), type_);
        layout->addRow(buttons);
        name_->setMinimumWidth(240);
        name_->selectAll();
    }

    // The file name with its type's suffix: a name typed with a known suffix keeps it
    // and is saved as that type, as in the desktop's dialog.
    std::pair<QString, int> Choice(const QList<TFileType>& types) const {
        QString name = name_->text().trimmed();
        if (name.isEmpty())
            name = baseName_;
        const int named = TypeOfName(name, types);
        if (named >= 0)
            return {name, named};
        const int chosen = std::max(0, type_->currentIndex());
        return {name + QLatin1Char('.') + types[chosen].suffix, chosen};
    }

  private:
    QString baseName_;
    QLineEdit* name_;
    QComboBox* type_;
};

} // namespace

void SaveFileAs(QWidget* parent, const QString& caption, const QString& baseName,
                const QList<TFileType>& types,
                const std::function<bool(QIODevice& file, int type)>& write) {
    auto* dialog = new TDownloadDialog(parent, caption, baseName, types);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Back in the lab window afterwards, keys go on to work there (its shortcuts act
    // only in the active window), whichever way the window closed.
    const QPointer<QWidget> window = QApplication::activeWindow();
    const QPointer<QWidget> focus = window ? window->focusWidget() : nullptr;
    QObject::connect(dialog, &QDialog::finished, dialog, [window, focus] {
        if (!window)
            return;
        window->activateWindow();
        if (focus)
            focus->setFocus(Qt::ActiveWindowFocusReason);
    });
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, types, write] {
        const auto [name, type] = dialog->Choice(types);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (!write(file, type)) {
            ShowNotice(SaveFailureText(name, QStringLiteral("Не удалось записать данные.")));
            return;
        }
        QFileDialog::saveFileContent(file.data(), name);
    });
    dialog->open(); // modal to its window, without a loop
}
