#include "input/ShowNotice.h"

#include "input/ApplicationTitle.h"
#include "input/FormStyle.h"
#include "input/KeepFocus.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The single "OK" is the cancel button too: Esc and the close box answer like it.
class NoticeBox : public QDialog {
  public:
    using QDialog::QDialog;
    void reject() override { done(1); }
};

int HalfScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() / 2 : 640;
}

} // namespace

void ShowNotice(const QString& text) {
    const KeepFocus keep;
    NoticeBox box(QApplication::activeWindow());
    box.setObjectName(QString::fromLatin1(kNoticeObjectName));
    box.setWindowTitle(ApplicationTitle());
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowModality(Qt::ApplicationModal);
    box.setFont(QApplication::font("QMessageBox"));

    auto* label = new QLabel(text, &box);
    label->setObjectName(QStringLiteral("NoticeText"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setMaximumWidth(HalfScreenWidth());
    // A word-wrapped label otherwise wraps far too early; let short texts stay on one line.
    label->setMinimumWidth(
        qMin(label->fontMetrics().horizontalAdvance(text) + 2, HalfScreenWidth()));

    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, [&box] { box.done(1); });

    auto* layout = new QVBoxLayout(&box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    box.adjustSize();
    CentreOnScreen(&box);
    ok->setFocus();
    box.exec(); // Enter clicks the default "OK"; Esc and the close box answer like it
}
