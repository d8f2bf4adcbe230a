// The yardsticks of the start-up benchmark (startup.sh): a bare Qt 6 dialog,
// shown and run modally as the converter runs its window; with --label, the
// same dialog showing one line of text, which is what first loads the fonts.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare Qt dialog"));
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    new QLabel(QStringLiteral("Bare Qt dialog"), &dialog);
  }
  dialog.show();
  return dialog.exec();
}
