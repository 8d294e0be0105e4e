// The widget tests, one test class per ctest entry: linewright_gui_tests
// CLASS [QtTest arguments]. Runs on the offscreen platform.

#include <QApplication>
#include <QStyle>
#include <cstdio>
#include <cstring>

int RunMainWindowTest(int argc, char** argv);
int RunDialogsTest(int argc, char** argv);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  struct {
    const char* name;
    int (*run)(int, char**);
  } const classes[] = {{"MainWindowTest", RunMainWindowTest}, {"DialogsTest", RunDialogsTest}};
  if (argc < 2) {
    std::fprintf(stderr, "usage: linewright_gui_tests MainWindowTest|DialogsTest [QtTest arguments]\n");
    return 2;
  }
  for (const auto& c : classes) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    // QtTest sees the program name and the arguments after the class.
    argv[1] = argv[0];
    return c.run(argc - 1, argv + 1);
  }
  std::fprintf(stderr, "linewright_gui_tests: no test class %s\n", argv[1]);
  return 2;
}
