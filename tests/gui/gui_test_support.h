#ifndef LINEWRIGHT_TESTS_GUI_GUI_TEST_SUPPORT_H
#define LINEWRIGHT_TESTS_GUI_GUI_TEST_SUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <string>

// Clicks the button with object name `id` of the modal dialog that
// `action` opens, once the dialog is up; `prepare` may fill it in first.
template <typename Action, typename Prepare>
void AnswerModal(const char* id, Prepare prepare, Action action) {
  QTimer::singleShot(0, [id, prepare] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    prepare(dialog);
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(id))) button->click();
  });
  action();
}

// A copy of the sample installation in a fresh working folder, which is
// the current folder for the object's lifetime.
class SampleInstallation {
 public:
  SampleInstallation();
  ~SampleInstallation();
  std::string Path(const std::string& relative) const;

 private:
  std::string root_;
  std::string previous_;
};

#endif
