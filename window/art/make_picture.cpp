// Draws the window's picture: three helical strands, red, yellow and blue, twisted about a
// vertical axis as a ball-and-stick model on white. Writes a 112 x 155, 24-bit PNG.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kWidth = 112;
constexpr int kHeight = 155;
constexpr double kAxisX = kWidth / 2.0;
constexpr double kRadius = 30.0;  // of each strand about the axis, pixels
constexpr double kPitch = 104.0;  // vertical rise of one full turn, pixels
constexpr double kTop = 12.0;     // first and last atom stay clear of the edges
constexpr double kBottom = kHeight - 12.0;
constexpr int kAtomsPerStrand = 14;

struct Atom {
    double x, y, depth;  // depth: -1 farthest from the viewer, 1 nearest
};

// The atom at step k of a strand whose phase is given, seen from the front.
Atom AtomAt(int k, double phase)
{
    const double y = kTop + (kBottom - kTop) * k / (kAtomsPerStrand - 1);
    const double angle = 2 * std::numbers::pi * (y - kTop) / kPitch + phase;
    return {kAxisX + kRadius * std::sin(angle), y, std::cos(angle)};
}

// Far parts are drawn smaller and paler, so the twist reads in depth.
QColor Shade(const QColor& colour, double depth)
{
    const double fade = 0.35 * (1.0 - depth) / 2.0;
    return QColor::fromRgbF(colour.redF() + (1 - colour.redF()) * fade,
                            colour.greenF() + (1 - colour.greenF()) * fade,
                            colour.blueF() + (1 - colour.blueF()) * fade);
}

struct Part {
    double depth;
    bool ball;
    Atom a, b;  // a ball is at a; a stick runs from a to b
    QColor colour;
};

void Draw(QPainter& painter, const Part& part)
{
    const QColor colour = Shade(part.colour, part.depth);
    if (!part.ball) {
        painter.setPen(QPen(colour.darker(130), 3.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(part.a.x, part.a.y), QPointF(part.b.x, part.b.y));
        return;
    }
    const double r = 3.8 + 1.6 * (part.depth + 1) / 2;
    const QPointF centre(part.a.x, part.a.y);
    QRadialGradient light(centre + QPointF(-r / 3, -r / 3), r * 1.3);
    light.setColorAt(0.0, Qt::white);
    light.setColorAt(0.35, colour);
    light.setColorAt(1.0, colour.darker(170));
    painter.setPen(QPen(colour.darker(220), 0.8));
    painter.setBrush(light);
    painter.drawEllipse(centre, r, r);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QColor strands[3] = {QColor(215, 30, 30), QColor(240, 200, 0), QColor(30, 70, 215)};

    std::vector<Part> parts;
    for (int s = 0; s < 3; ++s) {
        const double phase = 2 * std::numbers::pi * s / 3;
        for (int k = 0; k < kAtomsPerStrand; ++k) {
            const Atom atom = AtomAt(k, phase);
            parts.push_back({atom.depth, true, atom, atom, strands[s]});
            if (k + 1 < kAtomsPerStrand) {
                const Atom next = AtomAt(k + 1, phase);
                // A stick sits just behind the balls it joins.
                const double depth = std::min(atom.depth, next.depth) - 0.01;
                parts.push_back({depth, false, atom, next, strands[s]});
            }
        }
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part& p, const Part& q) { return p.depth < q.depth; });

    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Part& part : parts) Draw(painter, part);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
