#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/settings/language.h"
#include "tools/assetgen/asset_generator.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/icon_maker.h"
#include "tools/assetgen/svg_art.h"

using namespace fjordheim;

namespace {

// Nynorsk is spoken by espeak-ng's Norwegian voice, which has no Nynorsk of its own.
QString VoiceOf(TLanguageCode language) {
  return language == TLanguageCode::English ? QStringLiteral("en-gb") : QStringLiteral("nb");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Makes the pictures, zone masks and sounds of the game folder.");
  parser.addHelpOption();
  parser.addOption({"art", "The SVG drawings.", "folder"});
  parser.addOption({"data", "The UTF-8 sources of the text data.", "folder"});
  parser.addOption({"out", "The game folder.", "folder"});
  parser.addOption({"contact-sheet", "Write a sheet of every picture of the game folder.", "png"});
  parser.addOption({"preview", "Render one drawing to a PNG (with --size and --layers) to look at it.", "svg"});
  parser.addOption({"size", "The size of the preview, as WIDTHxHEIGHT.", "size", "563x480"});
  parser.addOption({"layers", "The layers the preview shows, separated by commas.", "layers"});
  parser.addOption({"icon", "Draw the game's icon in the sizes of the icon theme into --out.", "svg"});
  parser.addOption({"speech", "Speak only the recorded lines in this language (nn, en) into --out, with the "
                              "advice of --data and the program's lines from the catalogs of --catalogs.", "language"});
  parser.addOption({"catalogs", "The folder of the compiled catalogs, one folder per language.", "folder"});
  parser.process(application);
  if (!parser.isSet("out")) parser.showHelp(2);
  try {
    QElapsedTimer timer;
    timer.start();
    if (parser.isSet("preview")) {
      const QStringList size = parser.value("size").split('x');
      const QSize pictureSize(size.value(0).toInt(), size.value(1).toInt());
      const QStringList layers = parser.value("layers").split(',', Qt::SkipEmptyParts);
      if (!TSvgArt::FromFile(parser.value("preview")).Render(pictureSize, layers).save(parser.value("out"), "PNG"))
        throw std::runtime_error("cannot write the preview");
      return EXIT_SUCCESS;
    }
    if (parser.isSet("icon")) {
      TIconMaker::WriteTheme(parser.value("icon"), parser.value("out"), "fjordheim");
      return EXIT_SUCCESS;
    }
    if (parser.isSet("contact-sheet")) {
      const QString sheet = parser.value("contact-sheet");
      if (!TContactSheet::Make(parser.value("out")).save(sheet, "PNG")) throw std::runtime_error("cannot write the sheet");
      std::printf("assetgen: contact sheet %s\n", qPrintable(sheet));
      return EXIT_SUCCESS;
    }
    if (parser.isSet("speech")) {
      const std::optional<TLanguageCode> language = LanguageOfName(parser.value("speech").toStdString());
      if (!language || !parser.isSet("data")) parser.showHelp(2);
      TLanguage(*language, parser.value("catalogs").toStdString() + "/").Use();
      TAssetGenerator generator({{}, parser.value("data"), parser.value("out"), VoiceOf(*language)});
      generator.RunSpeech();
      std::printf("assetgen: %lld recordings in %.1f s\n", static_cast<long long>(generator.Made().size()),
                  timer.elapsed() / 1000.0);
      return EXIT_SUCCESS;
    }
    if (!parser.isSet("art")) parser.showHelp(2);
    TAssetGenerator generator({parser.value("art"), parser.value("data"), parser.value("out")});
    generator.Run();
    if (generator.ToneCount() > 0)
      std::printf("assetgen: %d recordings could not be spoken (no espeak-ng, or an empty line) and are short tones\n", generator.ToneCount());
    std::printf("assetgen: %lld files in %.1f s\n", static_cast<long long>(generator.Made().size()), timer.elapsed() / 1000.0);
    return EXIT_SUCCESS;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen: %s\n", error.what());
    return EXIT_FAILURE;
  }
}
