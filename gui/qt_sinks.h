#ifndef LINEWRIGHT_GUI_QT_SINKS_H
#define LINEWRIGHT_GUI_QT_SINKS_H

#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include "platform/messages.h"
#include "platform/progress.h"

// The stages' messages as modal boxes over `owner`: errors captioned
// "Error", questions as Yes/No boxes with the caption they give, notes of
// what a run did beside its output as information boxes.
class BoxMessageSink : public platform::MessageSink {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override;
  void Note(const std::string& text) override;

 private:
  QPointer<QWidget> owner_;
};

// Shows a stage's progress in a bar while the run blocks the event loop.
class BarProgressSink : public platform::ProgressSink {
 public:
  explicit BarProgressSink(QProgressBar* bar) : bar_(bar) {}
  void SetPosition(int percent) override;

 private:
  QProgressBar* bar_;
};

#endif
