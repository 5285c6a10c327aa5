#pragma once

#include <QString>

#include <initializer_list>

class QMainWindow;
class QMenuBar;
class QWidget;

namespace lesson {

// A caption with the letter that Alt opens it by underlined: the letter
// where it begins a word, else its first occurrence, in either case. An "&"
// of the caption itself stays an ampersand. A caption without the letter
// gets none.
QString withMnemonic(const QString &caption, QChar letter);

// The keys of a window's menu bar as desktop programs have them: Alt
// pressed and released alone, or F10, puts the focus on the menu bar with
// its first entry highlighted (the arrows move, Enter opens, Escape leaves);
// Alt with an underlined letter opens that menu or command.
void giveMenuBarKeys(QMainWindow *window);
// What Alt and F10 do: the focus on the menu bar, its first entry lit.
void focusMenuBar(QMenuBar *bar);

// A small window of the lesson: Escape closes it, and once it has gone the
// focus goes back to the window that was active when it was shown, so that
// the pupil goes on where the keys left off.
void giveSmallWindowKeys(QWidget *window);
// Only the second half of that, for a window with an Escape of its own.
void returnFocusOnClose(QWidget *window);

// Tab passes through the controls in this order, the order they are read
// in, and the first one has the focus when the window first opens.
void setReadingOrder(std::initializer_list<QWidget *> controls);

} // namespace lesson
