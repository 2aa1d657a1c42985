#pragma once

#include <QString>

// The program's own message box for conditions it tests itself: application title
// as caption, no icon, the text shown literally and word-wrapped to at most half the
// screen width (a quoted part wider than that is shortened in its middle), one "OK"
// button that answers both Enter and Esc; Ctrl+C copies the whole text. Modal;
// returns when closed.
void ShowNotice(const QString& text);

// The object name of the box, so that tests can find it among the top-level widgets.
inline constexpr const char* kNoticeObjectName = "NoticeBox";
