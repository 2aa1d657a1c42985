#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPoint>
#include <QStaticText>
#include <QString>

class QPainter;

// The texts of one font as a chart measures and draws them, kept between drawings:
// the labels and the title are the same texts drawing after drawing, and shaping them
// anew for every measurement and every drawing was a large part of a chart's time.
// What is drawn is what QPainter::drawText draws at the same baseline; under a scale
// that is not a whole number, and on a vector device (SVG, PDF), drawText itself draws.
class TTextCache {
  public:
    explicit TTextCache(const QFont& font);

    const QFontMetrics& Metrics() const { return metrics_; }

    // QFontMetrics::horizontalAdvance of the text.
    int Width(const QString& text);
    // Draws the text with its baseline starting at `baseline`, in the painter's pen.
    void Draw(QPainter& painter, const QPoint& baseline, const QString& text);

  private:
    struct Entry {
        int width = -1; // not measured yet
        QStaticText laid;
        bool isLaid = false;
    };
    Entry& Find(const QString& text);

    // Enough for every label of both axes through many zooms; beyond it the cache
    // starts afresh rather than grow while a student pans for hours.
    static constexpr qsizetype kCapacity = 1024;
    QFont font_;
    QFontMetrics metrics_;
    qreal ascent_;
    QHash<QString, Entry> entries_;
};
