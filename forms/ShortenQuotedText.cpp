#include "forms/ShortenQuotedText.h"

namespace {

const QChar kEllipsis(0x2026);

// The first `head` and the last `tail` characters around "…", never splitting a
// surrogate pair.
QString KeepEnds(const QString& text, qsizetype head, qsizetype tail) {
    QString start = text.left(head);
    QString end = text.right(tail);
    if (!start.isEmpty() && start.back().isHighSurrogate())
        start.chop(1);
    if (!end.isEmpty() && end.front().isLowSurrogate())
        end.remove(0, 1);
    return start + kEllipsis + end;
}

// As many characters from both ends as fit with "…" between them; the start gets
// the odd one. At least the first and the last character stay (the quotes).
QString ShortenInTheMiddle(const QString& text, const TextWidth& widthOf, int width) {
    const auto keeping = [&text](qsizetype kept) {
        return KeepEnds(text, (kept + 1) / 2, kept / 2);
    };
    qsizetype fits = 2;
    qsizetype tooWide = text.size();
    while (tooWide - fits > 1) {
        const qsizetype middle = fits + (tooWide - fits) / 2;
        if (widthOf(keeping(middle)) <= width)
            fits = middle;
        else
            tooWide = middle;
    }
    return keeping(fits);
}

} // namespace

QString ShortenQuotedText(const QString& text, const TextWidth& widthOf, int width) {
    const qsizetype open = text.indexOf(QLatin1Char('\''));
    const qsizetype close = text.lastIndexOf(QLatin1Char('\''));
    if (open < 0 || close <= open)
        return text;
    const QString quoted = text.mid(open, close - open + 1);
    if (widthOf(quoted) <= width)
        return text;
    return text.left(open) + ShortenInTheMiddle(quoted, widthOf, width) + text.mid(close + 1);
}
