#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "tools/teacher-guide/guide_book.h"

using namespace fjordheim;

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Writes the teacher's pages of the game folder as one printable A4 PDF.");
  parser.addHelpOption();
  parser.addOption({"html", "The game folder's page folder.", "folder"});
  parser.addOption({"pages", "The pages in the order they are printed, separated by commas.", "pages"});
  parser.addOption({"out", "The PDF to write.", "pdf"});
  parser.addOption({"title", "The PDF's title.", "title", QString::fromUtf8("Fjordheim – lærerveiledning")});
  parser.process(application);
  if (!parser.isSet("html") || !parser.isSet("pages") || !parser.isSet("out")) parser.showHelp(2);

  TGuideBook book;
  QString problem;
  if (!book.Read(parser.value("html"), parser.value("pages").split(',', Qt::SkipEmptyParts), problem)) {
    std::fprintf(stderr, "teacher-guide: %s\n", qPrintable(problem));
    return EXIT_FAILURE;
  }
  const int sheets = book.WritePdf(parser.value("out"), parser.value("title"), problem);
  if (sheets == 0) {
    std::fprintf(stderr, "teacher-guide: %s\n", qPrintable(problem));
    return EXIT_FAILURE;
  }
  std::printf("teacher-guide: %s, %d A4 pages\n", qPrintable(parser.value("out")), sheets);
  return EXIT_SUCCESS;
}
