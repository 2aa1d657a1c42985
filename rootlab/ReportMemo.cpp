#include "rootlab/ReportMemo.h"

TReportMemo::TReportMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
}

void TReportMemo::ShowLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TReportMemo::Lines() const {
    if (document()->isEmpty())
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}
