#include "gui/dialogs/chronicle_form.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/common/atomic_file.h"
#include "core/common/translation.h"
#include "gui/dialogs/chronicle_time_line.h"
#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

namespace {

constexpr int Width = 620;
constexpr int Height = 450;
constexpr int TimeLineHeight = 56;
constexpr int LegendHeight = 16;
// The room of a graph's explanation in the saved picture.
constexpr int PictureExplanationHeight = 90;
// A graph's time line shows a name for at most this many seasons, so that the names never crowd.
constexpr int MostSeasonNames = 8;
const QColor LimitColour(200, 50, 40);
const QColor EventColour(220, 120, 20);

double Highest(const TGraph& graph, bool rightScale) {
  double highest = rightScale ? 1 : std::max(1.0, graph.LimitName.empty() ? 0.0 : graph.Limit * 1.5);
  for (const TGraphLine& line : graph.Lines) {
    if (line.RightScale != rightScale) continue;
    for (const double value : line.Values) highest = std::max(highest, value);
  }
  return highest * 1.1;
}

QValueAxis* ValueAxis(const std::string& unit, double highest, const QFont& font) {
  auto* axis = new QValueAxis;
  axis->setRange(0, highest);
  axis->applyNiceNumbers();
  axis->setTitleText(QString::fromStdString(unit));
  axis->setLabelsFont(font);
  axis->setTitleFont(font);
  axis->setLabelFormat(highest < 5 ? "%.1f" : "%.0f");
  return axis;
}

// The season above its year: a name as long as "Summer 853" is cut short on one line.
QString TwoLineSeasonName(const std::string& name) {
  QString label = QString::fromStdString(name).toHtmlEscaped();
  const qsizetype space = label.lastIndexOf(' ');
  if (space >= 0) label.replace(space, 1, "<br>");
  return label;
}

QCategoryAxis* SeasonAxis(const std::vector<std::string>& names, const QFont& font) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const int count = static_cast<int>(names.size());
  const int step = std::max(1, static_cast<int>(std::ceil(count / static_cast<double>(MostSeasonNames))));
  for (int season = 0; season < count; season += step) {
    axis->append(TwoLineSeasonName(names[static_cast<std::size_t>(season)]), season);
  }
  axis->setRange(0, std::max(1, count - 1));
  axis->setLabelsFont(font);
  return axis;
}

QChart* GraphChart(const TGraph& graph, const TChronicleGraphs& graphs, const QFont& font) {
  auto* chart = new QChart;
  chart->setTitle(QString::fromStdString(graph.Title));
  QFont title = font;
  title.setBold(true);
  chart->setTitleFont(title);
  chart->legend()->setFont(font);
  chart->legend()->setAlignment(Qt::AlignBottom);
  // Room on the right for the name of the last season under its mark.
  chart->setMargins(QMargins(4, 4, 28, 4));
  QCategoryAxis* seasons = SeasonAxis(graphs.SeasonNames, font);
  chart->addAxis(seasons, Qt::AlignBottom);
  QValueAxis* left = ValueAxis(graph.LeftUnit, Highest(graph, false), font);
  chart->addAxis(left, Qt::AlignLeft);
  QValueAxis* right = nullptr;
  if (!graph.RightUnit.empty()) {
    right = ValueAxis(graph.RightUnit, Highest(graph, true), font);
    chart->addAxis(right, Qt::AlignRight);
  }
  for (const TGraphLine& line : graph.Lines) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(line.Name));
    for (std::size_t i = 0; i < line.Values.size(); ++i) series->append(static_cast<double>(i), line.Values[i]);
    chart->addSeries(series);
    series->attachAxis(seasons);
    series->attachAxis(line.RightScale && right != nullptr ? right : left);
    QPen pen = series->pen();
    pen.setWidthF(2.5);
    series->setPen(pen);
  }
  if (!graph.LimitName.empty() && !graphs.SeasonNames.empty()) {
    auto* limit = new QLineSeries;
    limit->setName(QString::fromStdString(graph.LimitName));
    limit->append(0, graph.Limit);
    limit->append(std::max<double>(1, static_cast<double>(graphs.SeasonNames.size()) - 1), graph.Limit);
    limit->setPen(QPen(LimitColour, 2, Qt::DashLine));
    chart->addSeries(limit);
    limit->attachAxis(seasons);
    limit->attachAxis(left);
  }
  // The events stand as marks along the top of every graph, over the season they struck.
  if (!graphs.Events.empty()) {
    auto* events = new QScatterSeries;
    events->setName(QString::fromStdString(Tr("Hendelser")));
    events->setColor(EventColour);
    events->setMarkerSize(9);
    for (const TGraphMark& event : graphs.Events) events->append(event.Season, left->max());
    chart->addSeries(events);
    events->attachAxis(seasons);
    events->attachAxis(left);
  }
  return chart;
}

QLabel* ExplanationLabel(const std::string& text, const QFont& font) {
  auto* label = new QLabel(QString::fromStdString(text));
  label->setWordWrap(true);
  label->setFont(font);
  label->setContentsMargins(6, 2, 6, 4);
  return label;
}

// A graph with a sentence that tells how to read it has the sentence under it, on the same page.
QWidget* GraphPage(QChartView* view, const TGraph& graph, const QFont& font) {
  if (graph.Explanation.empty()) return view;
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(view, 1);
  column->addWidget(ExplanationLabel(graph.Explanation, font));
  return page;
}

}  // namespace

TChronicleForm::TChronicleForm(QWidget* parent, TGameLayout layout) : QDialog(parent), FLayout(layout) {
  setWindowTitle(QString::fromStdString(Tr("Krønike")));
  setFont(layout.PixelFont("MS Sans Serif", 11));
  setFixedSize(layout.Scaled(Width), layout.Scaled(Height));
  FPages = new QTabWidget(this);
  layout.Place(FPages, 8, 8, Width - 16, Height - 16 - 33 - TimeLineHeight - LegendHeight);
  FTimeLine = new TChronicleTimeLine(this);
  layout.Place(FTimeLine, 8, Height - 8 - 33 - TimeLineHeight - LegendHeight, Width - 16, TimeLineHeight);
  FTimeLine->setFont(font());
  FLegend = new QLabel(QString::fromStdString(Tr(TChronicleGraphs::MarksLegend)), this);
  FLegend->setFont(layout.PixelFont("MS Sans Serif", 10));
  layout.Place(FLegend, 8, Height - 8 - 33 - LegendHeight, Width - 16, LegendHeight);
  FPictureButton = new QPushButton(QString::fromStdString(Tr("Lagre bilde...")), this);
  layout.Place(FPictureButton, 8, Height - 8 - 27, 120, 27);
  FTableButton = new QPushButton(QString::fromStdString(Tr("Lagre tabell...")), this);
  layout.Place(FTableButton, 136, Height - 8 - 27, 120, 27);
  auto* close = new QPushButton(QString::fromStdString(Tr("Lukk")), this);
  layout.Place(close, Width - 8 - 100, Height - 8 - 27, 100, 27);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(FPictureButton, &QPushButton::clicked, this, [this] { AskAndExportPicture(); });
  connect(FTableButton, &QPushButton::clicked, this, [this] { AskAndExportTable(); });
  connect(FPages, &QTabWidget::currentChanged, this, [this] { AlignTimeLine(); });
  SetChronicle(TChronicle());
}

void TChronicleForm::SetChronicle(const TChronicle& chronicle) {
  FChronicle = chronicle;
  FGraphs = std::make_unique<TChronicleGraphs>(chronicle);
  const int shown = FPages->currentIndex();
  std::vector<QWidget*> oldPages;
  for (int page = 0; page < FPages->count(); ++page) oldPages.push_back(FPages->widget(page));
  FPages->clear();
  for (QWidget* page : oldPages) page->deleteLater();
  FViews.clear();
  const QFont chartFont = FLayout.PixelFont("MS Sans Serif", 10);
  const QFont explanationFont = FLayout.PixelFont("MS Sans Serif", 11);
  for (const TGraph& graph : FGraphs->Graphs) {
    auto* view = new QChartView(GraphChart(graph, *FGraphs, chartFont));
    view->setRenderHint(QPainter::Antialiasing);
    connect(view->chart(), &QChart::plotAreaChanged, this, [this] { AlignTimeLine(); });
    FViews.push_back(view);
    FPages->addTab(GraphPage(view, graph, explanationFont), QString::fromStdString(graph.Title));
  }
  FPages->setCurrentIndex(std::max(0, shown));
  FTimeLine->SetMarks(*FGraphs);
  AlignTimeLine();
}

QChart* TChronicleForm::Chart(int graph) const {
  if (graph < 0 || graph >= static_cast<int>(FViews.size())) return nullptr;
  return FViews[static_cast<std::size_t>(graph)]->chart();
}

// The time line's seasons stand under the same seasons of the graph shown.
void TChronicleForm::AlignTimeLine() {
  const int shown = FPages->currentIndex();
  if (shown < 0 || shown >= static_cast<int>(FViews.size())) return;
  QChartView* view = FViews[static_cast<std::size_t>(shown)];
  const QRectF plot = view->chart()->plotArea();
  const QPoint left = view->mapTo(this, view->mapFromScene(plot.topLeft()));
  const QPoint right = view->mapTo(this, view->mapFromScene(plot.topRight()));
  FTimeLine->SetSpan(left.x() - FTimeLine->x(), right.x() - FTimeLine->x());
}

// The saved picture is read without the window: each graph keeps its explanation and the
// marks their legend.
QImage TChronicleForm::GraphsPicture(QSize each) const {
  const int timeLine = TimeLineHeight * 2;
  const auto rowHeight = [&](const TGraph& graph) {
    return each.height() + timeLine + (graph.Explanation.empty() ? 0 : PictureExplanationHeight);
  };
  int height = PictureExplanationHeight / 2;
  for (const TGraph& graph : FGraphs->Graphs) height += rowHeight(graph);
  QImage picture(each.width(), height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFont chartFont = TGameLayout(2).PixelFont("MS Sans Serif", 10);
  const QFont textFont = TGameLayout(2).PixelFont("MS Sans Serif", 11);
  const int textFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter;
  int top = 0;
  for (const TGraph& graph : FGraphs->Graphs) {
    QGraphicsScene scene;
    QChart* chart = GraphChart(graph, *FGraphs, chartFont);
    scene.addItem(chart);
    chart->resize(each);
    // Laid out now, so that its plot area is known before anything is drawn.
    chart->layout()->activate();
    scene.render(&painter, QRectF(0, top, each.width(), each.height()), QRectF(QPointF(0, 0), each));
    TChronicleTimeLine line;
    line.setFont(chartFont);
    line.resize(each.width(), timeLine);
    line.SetMarks(*FGraphs);
    line.SetSpan(chart->plotArea().left(), chart->plotArea().right());
    line.render(&painter, QPoint(0, top + each.height()));
    if (!graph.Explanation.empty()) {
      painter.setFont(textFont);
      painter.setPen(Qt::black);
      const QRect room(24, top + each.height() + timeLine, each.width() - 48, PictureExplanationHeight);
      painter.drawText(room, textFlags, QString::fromStdString(graph.Explanation));
    }
    top += rowHeight(graph);
  }
  painter.setFont(textFont);
  painter.setPen(Qt::black);
  painter.drawText(QRect(24, top, each.width() - 48, PictureExplanationHeight / 2), textFlags,
                   QString::fromStdString(Tr(TChronicleGraphs::MarksLegend)));
  return picture;
}

bool TChronicleForm::ExportPicture(const QString& path) const { return GraphsPicture(QSize(1200, 500)).save(path, "PNG"); }

bool TChronicleForm::ExportTable(const QString& path) const {
  return WriteFileAtomically(path.toStdString(), FChronicle.ToCsv());
}

QString TChronicleForm::AskPath(const char* title, const QString& extension) {
  const QString path = QFileDialog::getSaveFileName(this, QString::fromStdString(Tr(title)), FFolder,
                                                    extension.toUpper() + " (*." + extension + ")");
  if (path.isEmpty() || path.endsWith("." + extension, Qt::CaseInsensitive)) return path;
  return path + "." + extension;
}

void TChronicleForm::TellUnwritten(const QString& path) {
  ShowGameMessageBox(this, FLayout, QMessageBox::Warning, QString::fromStdString(Tr("Krønike")),
                     QString::fromStdString(Tr("Kan ikke åpne filen: {0}", path.toStdString())));
}

void TChronicleForm::AskAndExportPicture() {
  const QString path = AskPath(TrMark("Lagre bilde"), "png");
  if (!path.isEmpty() && !ExportPicture(path)) TellUnwritten(path);
}

void TChronicleForm::AskAndExportTable() {
  const QString path = AskPath(TrMark("Lagre tabell"), "csv");
  if (!path.isEmpty() && !ExportTable(path)) TellUnwritten(path);
}

}  // namespace fjordheim
