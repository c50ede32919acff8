// AboutWindow: layout of the "About" window and the two pictures it shows.
#include "desktop/AboutWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "desktop/HelpKey.h"

namespace kerf {

namespace {

const QColor Wood(225, 123, 11);
const QColor WoodDark(150, 78, 8);
const QColor Steel(120, 128, 140);

// The cross-section of a worked edge: a rectangle with a cove taken from its top right corner,
// in a box of w by h with the table along the bottom and the fence along the right.
QPainterPath WorkedSection(double w, double h) {
  QPainterPath path;
  const double r = std::min(w, h) * 0.45;
  path.moveTo(0, 0);
  path.lineTo(w - r, 0);
  path.arcTo(QRectF(w - r, -r, 2 * r, 2 * r), 180, 90);  // the cove, centred on the corner
  path.lineTo(w, r);
  path.lineTo(w, h);
  path.lineTo(0, h);
  path.closeSubpath();
  return path;
}

}  // namespace

QPixmap DrawAboutLogo(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  // The stock on the table line, its top corner coved by the round bit that sits in the cove.
  const double sw = w * 0.62, sh = h * 0.50;
  const QPointF origin(w * 0.04, h * 0.44);
  const QPointF corner = origin + QPointF(sw, 0);
  const double r = std::min(sw, sh) * 0.45;
  p.setPen(QPen(WoodDark, 1));
  p.setBrush(Wood);
  p.drawPath(WorkedSection(sw, sh).translated(origin));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Steel);
  p.drawRect(QRectF(corner.x() - r * 0.35, h * 0.02, r * 0.7, corner.y() - h * 0.02));
  p.drawEllipse(corner, r, r);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(0, h - 1.5), QPointF(w, h - 1.5));  // the table
  return pixmap;
}

QPixmap DrawAboutMoulding(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();
  const double sw = w * 0.34, sh = h * 0.62;  // the end face
  const QPointF depth(w * 0.58, -h * 0.30);   // how far the length runs back
  const QPointF front(w * 0.03, h * 0.34);
  // The long faces: each edge of the end face's top and right side swept back along the
  // length, shaded by which way it faces (the light comes from above).
  const QPainterPath outline = WorkedSection(sw, sh);
  const double r = std::min(sw, sh) * 0.45;  // the cove's radius, as WorkedSection cuts it
  const double visible = (sw - r) + M_PI * r / 2 + (sh - r);
  const double share = std::min(1.0, visible / outline.length());
  const int samples = 48;
  QPolygonF edge;  // from the top left corner along the top, the cove and down the right side
  for (int i = 0; i <= samples; ++i)
    edge << front + outline.pointAtPercent(i / static_cast<double>(samples) * share);
  p.setPen(Qt::NoPen);
  for (int i = 0; i + 1 < edge.size(); ++i) {
    const QPointF a = edge[i], b = edge[i + 1];
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0) continue;
    // An edge running to the right belongs to a face looking up: lit brightest.
    const double facingUp = along.x() / length;
    const QColor shade = Wood.lighter(100 + static_cast<int>(30 * std::max(0.0, facingUp)))
                             .darker(100 + static_cast<int>(40 * std::max(0.0, -facingUp) +
                                                            25 * (1 - std::abs(facingUp))));
    p.setBrush(shade);
    QPolygonF strip;
    strip << a << b << b + depth << a + depth;
    p.drawPolygon(strip);
  }
  // Grain lines along the length, and the far edges.
  p.setPen(QPen(WoodDark, 0.6));
  for (int i = 4; i < edge.size(); i += 9) p.drawLine(edge[i], edge[i] + depth);
  p.setPen(QPen(Qt::black, 1));
  p.drawPolyline(edge.translated(depth));
  p.drawLine(edge.first(), edge.first() + depth);
  p.drawLine(edge.last(), edge.last() + depth);
  // The end face with its cove, in front.
  p.setBrush(Wood);
  p.drawPath(outline.translated(front));
  return pixmap;
}

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("AboutWindow");
  setWindowTitle("About");
  setFixedSize(223, 333);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  auto* logo = new QLabel(this);
  logo->setObjectName("logoPicture");
  logo->setGeometry(8, 8, 49, 33);
  logo->setPixmap(DrawAboutLogo(QSize(49, 33)));

  auto* title = new QLabel("Kerfwright", this);
  title->setObjectName("titleLabel");
  QFont titleFont("Arial");
  titleFont.setPixelSize(20);
  titleFont.setUnderline(true);
  title->setFont(titleFont);
  title->setGeometry(64, 10, 152, 28);

  QFont smallFont("Arial");
  smallFont.setPixelSize(11);
  const char* const lines[][2] = {{"makersLabel", "The Kerfwright workshop team"},
                                  {"emailLabel", "kerfwright@kerfwright.example"},
                                  {"websiteLabel", "https://www.kerfwright.example"}};
  int y = 64;
  for (const auto& line : lines) {
    auto* label = new QLabel(line[1], this);
    label->setObjectName(line[0]);
    label->setFont(smallFont);
    label->setGeometry(12, y, 200, 16);
    y += 22;
  }
  auto* version = new QLabel(VersionText, this);
  version->setObjectName("versionLabel");
  version->setFont(smallFont);
  version->setGeometry(12, y + 10, 200, 16);

  auto* moulding = new QLabel(this);
  moulding->setObjectName("mouldingPicture");
  moulding->setGeometry(8, 252, 129, 73);
  moulding->setPixmap(DrawAboutMoulding(QSize(129, 73)));

  closeButton_ = new QPushButton("Close", this);
  closeButton_->setObjectName("closeButton");
  closeButton_->setGeometry(144, 296, 71, 27);
  closeButton_->setDefault(true);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

  SetHelpTopic(this, HelpTopic::Contents);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
  }
}

}  // namespace kerf
