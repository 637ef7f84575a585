#include "TestCursorFiles.h"

namespace NelTest {

namespace {

void Put16(std::string& s, unsigned v) { s.append({char(v & 0xFF), char((v >> 8) & 0xFF)}); }
void Put32(std::string& s, unsigned v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

DWORD Bgra(COLORREF c, BYTE alpha)
{
    return (DWORD(alpha) << 24) | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

} // namespace

std::string CursorFile(int size, COLORREF color, bool monochrome, unsigned type)
{
    const int maskStride = ((size + 31) / 32) * 4;
    const int xorStride = monochrome ? maskStride : size * 4;
    const int palette = monochrome ? 8 : 0;
    const unsigned imageBytes = 40 + palette + (xorStride + maskStride) * size;
    std::string s;
    // ICONDIR: reserved, type (2 cursor, 1 icon), one image.
    Put16(s, 0);
    Put16(s, type);
    Put16(s, 1);
    // ICONDIRENTRY: width, height, colours, reserved, hot spot, size, offset.
    s.push_back(char(size));
    s.push_back(char(size));
    s.push_back(char(monochrome ? 2 : 0));
    s.push_back(0);
    Put16(s, 1);
    Put16(s, 1);
    Put32(s, imageBytes);
    Put32(s, 6 + 16);
    // BITMAPINFOHEADER, height doubled for the XOR and AND images.
    Put32(s, 40);
    Put32(s, size);
    Put32(s, size * 2);
    Put16(s, 1);
    Put16(s, monochrome ? 1 : 32);
    Put32(s, 0);
    Put32(s, (xorStride + maskStride) * size);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
    if (monochrome) {
        Put32(s, 0x000000);
        Put32(s, 0xFFFFFF);
        s.append(size_t(xorStride) * size, char(0xFF));  // every pixel white
    } else {
        for (int i = 0; i < size * size; ++i)
            Put32(s, Bgra(color, 0xFF));
    }
    s.append(size_t(maskStride) * size, '\0');  // AND mask: all opaque
    return s;
}

std::string RiffChunk(const char* id, const std::string& data)
{
    std::string s(id, 4);
    Put32(s, static_cast<unsigned>(data.size()));
    s += data;
    if (data.size() % 2)
        s.push_back('\0');
    return s;
}

std::string AnimatedCursorFile(const std::vector<std::string>& frames, bool withRateAndSeq,
                               bool withHeader)
{
    const unsigned n = static_cast<unsigned>(frames.size());
    std::string anih;
    Put32(anih, 36);
    Put32(anih, n);  // frames
    Put32(anih, n);  // steps
    for (int i = 0; i < 4; ++i)
        Put32(anih, 0);  // width, height, bit count, planes: taken from the frames
    Put32(anih, 10);     // jiffies per step
    Put32(anih, withRateAndSeq ? 3 : 1);  // AF_ICON, AF_SEQUENCE when a sequence follows
    std::string body = "ACON" + (withHeader ? RiffChunk("anih", anih) : std::string());
    if (withRateAndSeq) {
        std::string rate, seq;
        for (unsigned i = 0; i < n; ++i) {
            Put32(rate, 10);
            Put32(seq, i);
        }
        body += RiffChunk("rate", rate) + RiffChunk("seq ", seq);
    }
    std::string list = "fram";
    for (const std::string& frame : frames)
        list += RiffChunk("icon", frame);
    body += RiffChunk("LIST", list);
    return RiffChunk("RIFF", body);
}

} // namespace NelTest
