#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The read-only text area of the root lab: no border, button-face background, no
// scroll bars. Its text can be selected with the mouse or the keyboard and copied
// (Ctrl+A, Ctrl+C), but it never takes typed or pasted input.
class TReportMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TReportMemo(QWidget* parent);

    // Clears the area and writes the given lines, one per line.
    void ShowLines(const QStringList& lines);
    // The current text split into lines (a report of n lines gives n entries).
    QStringList Lines() const;
};
