#include "gui/qt_sinks.h"

#include <QMessageBox>

#include "gui/qt_text.h"

void BoxMessageSink::Error(const std::string& text) {
  QMessageBox::critical(owner_, QStringLiteral("Error"), FromFileText(text));
}

bool BoxMessageSink::Choice(const std::string& caption, const std::string& text) {
  return QMessageBox::question(owner_, FromFileText(caption), FromFileText(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void BoxMessageSink::Note(const std::string& text) {
  QMessageBox::information(owner_, QStringLiteral("Linewright"), FromFileText(text));
}

void BarProgressSink::SetPosition(int percent) {
  // setValue repaints at once when the value changes, which is all the
  // repainting a blocked event loop gets; a stage may report the same
  // value many times, and each repaint costs a round trip to the display.
  bar_->setValue(percent);
}
