#pragma once

#include <QString>

// The program's own message box for conditions it tests itself: application title
// as caption, no icon, the text word-wrapped to at most half the screen width, one
// "OK" button that answers both Enter and Esc. Modal; returns when closed.
void ShowNotice(const QString& text);

// The object name of the box, so that tests can find it among the top-level widgets.
inline constexpr const char* kNoticeObjectName = "NoticeBox";
