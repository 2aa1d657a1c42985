#include "forms/ShowNotice.h"

#include "forms/ApplicationTitle.h"
#include "forms/FormStyle.h"
#include "forms/KeepFocus.h"
#include "forms/ShortenQuotedText.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The single "OK" is the cancel button too: Esc and the close box answer like it.
// Ctrl+C copies the whole text, also where the label shows it shortened.
class NoticeBox : public QDialog {
  public:
    NoticeBox(QWidget* parent, const QString& text) : QDialog(parent), text_(text) {}
    void reject() override { done(1); }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy))
            QGuiApplication::clipboard()->setText(text_);
        else
            QDialog::keyPressEvent(event);
    }

  private:
    QString text_;
};

int HalfScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() / 2 : 640;
}

} // namespace

void ShowNotice(const QString& text) {
    const KeepFocus keep;
    NoticeBox box(QApplication::activeWindow(), text);
    box.setObjectName(QString::fromLatin1(kNoticeObjectName));
    box.setWindowTitle(ApplicationTitle());
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowModality(Qt::ApplicationModal);
    box.setFont(QApplication::font("QMessageBox"));

    auto* label = new QLabel(&box);
    label->setObjectName(QStringLiteral("NoticeText"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setMaximumWidth(HalfScreenWidth());
    const QFontMetrics metrics = label->fontMetrics();
    const QString shown = ShortenQuotedText(
        text, [&metrics](const QString& part) { return metrics.horizontalAdvance(part); },
        HalfScreenWidth());
    label->setText(shown);
    // A word-wrapped label otherwise wraps far too early; let short texts stay on one line.
    label->setMinimumWidth(qMin(metrics.horizontalAdvance(shown) + 2, HalfScreenWidth()));

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
