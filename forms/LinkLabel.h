#pragma once

#include <QLabel>

// A click-sensitive label drawn like a hyperlink: hot-track colour, underlined,
// hand cursor; it never takes the keyboard focus and acts on a mouse click only.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& caption, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};
