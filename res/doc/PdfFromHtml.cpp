// Prints an HTML document to an A4 PDF with Qt's PDF writer; make-manual.sh
// builds and runs it. Usage: PdfFromHtml IN.html OUT.pdf TITLE
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: PdfFromHtml IN.html OUT.pdf TITLE\n", stderr);
    return 2;
  }
  QGuiApplication application(argc, argv);
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle(QString::fromUtf8(argv[3]));
  writer.setCreator(QStringLiteral("Vantrel Unit Converter developers"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  // QTextDocument keeps 2 cm of margin on every side itself.
  writer.setResolution(300);
  QTextDocument document;
  document.setHtml(QString::fromUtf8(in.readAll()));
  document.print(&writer);
  return 0;
}
