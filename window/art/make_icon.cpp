// Draws the program's icon, a generic window symbol, and writes it as a Windows icon with
// three images (32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours) and as a 32 x 32 PNG.
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The standard 16-colour palette; the 2-colour images use its first and last entries.
constexpr std::uint32_t kPalette16[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr std::uint32_t kPalette2[2] = {0x000000, 0xFFFFFF};

constexpr int kClear = -1;  // a pixel the icon's mask leaves transparent

struct Icon {
    int size;
    int bitsPerPixel;         // 1 or 4
    std::vector<int> pixels;  // palette indexes, top row first; kClear where transparent
};

// A window: a frame, a title bar with a close box, and a white client area.
Icon DrawWindowSymbol(int size, bool twoColours)
{
    const int black = 0, white = twoColours ? 1 : 15;
    const int titleColour = twoColours ? black : 4;
    const int closeBoxColour = twoColours ? white : 7;
    const int left = 1, right = size - 2, top = size * 3 / 32, bottom = size - 1 - size * 3 / 32;
    const int titleBottom = top + size / 6;

    Icon icon{size, twoColours ? 1 : 4, std::vector<int>(size * size, kClear)};
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            int colour = white;
            if (x == left || x == right || y == top || y == bottom) {
                colour = black;
            } else if (y <= titleBottom) {
                const bool closeBox =
                    x >= right - 1 - size / 8 && x < right - 1 && y > top + 1 && y < titleBottom;
                colour = closeBox ? closeBoxColour : titleColour;
            }
            icon.pixels[y * size + x] = colour;
        }
    }
    return icon;
}

void Put16(std::string& out, int value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

// One image of an icon file: a bitmap header of double height, the palette, the colour rows
// and the transparency mask, both bottom row first and padded to 32 bits.
std::string IconImage(const Icon& icon)
{
    const int n = icon.size;
    const int colourStride = (n * icon.bitsPerPixel + 31) / 32 * 4;
    const int maskStride = (n + 31) / 32 * 4;
    std::string colours(colourStride * n, '\0'), mask(maskStride * n, '\0');
    for (int y = 0; y < n; ++y) {
        const int row = n - 1 - y;
        for (int x = 0; x < n; ++x) {
            const int index = icon.pixels[y * n + x];
            if (index == kClear) {
                mask[row * maskStride + x / 8] |= static_cast<char>(0x80 >> (x % 8));
                continue;
            }
            const int bit = x * icon.bitsPerPixel;
            const int shift = 8 - icon.bitsPerPixel - bit % 8;
            colours[row * colourStride + bit / 8] |= static_cast<char>(index << shift);
        }
    }
    const int paletteSize = 1 << icon.bitsPerPixel;
    const std::uint32_t* palette = icon.bitsPerPixel == 1 ? kPalette2 : kPalette16;

    std::string out;
    Put32(out, 40);
    Put32(out, n);
    Put32(out, 2 * n);
    Put16(out, 1);
    Put16(out, icon.bitsPerPixel);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(colours.size() + mask.size()));
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (int i = 0; i < paletteSize; ++i) Put32(out, palette[i]);  // stored as B, G, R, 0
    return out + colours + mask;
}

std::string IconFile(const std::vector<Icon>& icons)
{
    std::string header, images;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, static_cast<int>(icons.size()));
    const int firstImage = 6 + 16 * static_cast<int>(icons.size());
    for (const Icon& icon : icons) {
        const std::string image = IconImage(icon);
        header += static_cast<char>(icon.size);
        header += static_cast<char>(icon.size);
        header += static_cast<char>(1 << icon.bitsPerPixel);
        header += '\0';
        Put16(header, 1);
        Put16(header, icon.bitsPerPixel);
        Put32(header, static_cast<std::uint32_t>(image.size()));
        Put32(header, static_cast<std::uint32_t>(firstImage + images.size()));
        images += image;
    }
    return header + images;
}

QImage ToImage(const Icon& icon)
{
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    for (int y = 0; y < icon.size; ++y) {
        for (int x = 0; x < icon.size; ++x) {
            const int index = icon.pixels[y * icon.size + x];
            image.setPixel(x, y, index == kClear ? 0u : 0xFF000000u | kPalette16[index]);
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico OUTPUT.png\n", argv[0]);
        return 2;
    }
    const Icon colour32 = DrawWindowSymbol(32, false);
    const std::string ico =
        IconFile({DrawWindowSymbol(32, true), colour32, DrawWindowSymbol(16, false)});
    std::ofstream(argv[1], std::ios::binary) << ico;
    return ToImage(colour32).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
