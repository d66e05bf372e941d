#pragma once

// Finding controls by name and answering modal dialogs in window tests.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "ui/main_window.h"
#include "ui/report_list_view.h"
#include "ui/row_colour_registry.h"

namespace qichun::testing {

template <typename Widget = QWidget>
Widget* Find(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QString::fromUtf8(name));
}

// A main window as the program creates it, shown, with its first results.
struct ShownWindow {
  RowColourRegistry rowColours;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(rowColours);

  ShownWindow() {
    window->Recalculate();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename Widget = QWidget>
  Widget* operator()(const char* name) const {
    Widget* found = Find<Widget>(*window, name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

// What a modal dialog looked like when it was answered.
struct AnsweredDialog {
  std::string className;  // empty when none appeared
  std::string text;       // of its "编辑框1"
};

using DialogAction = std::function<void(QWidget& dialog)>;

inline DialogAction ClickButton(const char* name) {
  return [name](QWidget& dialog) {
    if (auto* button = Find<QAbstractButton>(dialog, name)) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else {
      ADD_FAILURE() << "dialog has no button " << name;
      dialog.close();
    }
  };
}
inline DialogAction PressEscape() {
  return [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}
inline DialogAction UseCloseBox() {
  return [](QWidget& dialog) { dialog.close(); };
}

// Waits for the next modal dialog and answers it; `beforeAnswer` may look at it first.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(DialogAction answer, DialogAction beforeAnswer = {})
      : m_answer(std::move(answer)), m_beforeAnswer(std::move(beforeAnswer)) {
    m_poll.setInterval(5);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { AnswerIfShown(); });
    m_poll.start();
  }
  const AnsweredDialog& Answered() const { return m_answered; }

 private:
  void AnswerIfShown() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    m_poll.stop();
    m_answered.className = dialog->metaObject()->className();
    if (auto* message = Find<QTextEdit>(*dialog, "编辑框1")) m_answered.text = message->toPlainText().toStdString();
    if (m_beforeAnswer) m_beforeAnswer(*dialog);
    m_answer(*dialog);
  }

  DialogAction m_answer;
  DialogAction m_beforeAnswer;
  QTimer m_poll;
  AnsweredDialog m_answered;
};

}  // namespace qichun::testing

#include <QTreeWidget>
#include <QKeyEvent>
#include <QLineEdit>

namespace qichun::testing {

// Columns 1 to 8 of a list row joined with " | ".
inline std::string RowText(const QWidget& window, const char* listView, int row) {
  const auto* list = Find<QTreeWidget>(window, listView);
  if (list == nullptr || list->topLevelItem(row) == nullptr) return "<no row>";
  std::string text;
  for (int column = 1; column < 9; ++column) {
    if (column > 1) text += " | ";
    text += list->topLevelItem(row)->text(column).toStdString();
  }
  return text;
}

// Types text that has no key of its own on the test keyboard, such as Chinese.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

inline std::string BoxText(const QWidget& window, const std::string& name) {
  const auto* box = Find<QLineEdit>(window, name.c_str());
  return box != nullptr ? box->text().toStdString() : "<no box " + name + ">";
}

}  // namespace qichun::testing
