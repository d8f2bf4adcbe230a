// The yardstick of the start-up benchmark (startup.sh): a bare Qt 6 dialog,
// shown and run modally as the converter runs its window.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare Qt dialog"));
  dialog.show();
  return dialog.exec();
}
