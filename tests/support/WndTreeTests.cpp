// Sending a message, and a font, to a whole window tree.
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "NelWndHelp.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

const UINT kProbe = WM_APP + 17;

// A top-level window with the tree
//   root: a (a1 (a1x), a2 (hidden, disabled)), b
// of test windows, made in that order so that each child list runs top to
// bottom in creation order.
class Tree {
public:
    Tree()
    {
        root = Make(WS_OVERLAPPEDWINDOW, nullptr);
        a = Make(WS_CHILD | WS_VISIBLE, root);
        a1 = Make(WS_CHILD | WS_VISIBLE, a);
        a1x = Make(WS_CHILD | WS_VISIBLE, a1);
        a2 = Make(WS_CHILD | WS_DISABLED, a);
        b = Make(WS_CHILD | WS_VISIBLE, root);
    }
    // Children first, so that each window is destroyed by its own object.
    ~Tree()
    {
        while (!m_windows.empty())
            m_windows.pop_back();
    }
    std::vector<HWND> DepthFirst() const { return { root, a, a1, a1x, a2, b }; }
    HWND root, a, a1, a1x, a2, b;

private:
    HWND Make(DWORD style, HWND parent)
    {
        m_windows.push_back(std::make_unique<TestWindow>(style, 0, RECT{ 0, 0, 200, 100 }, parent));
        return m_windows.back()->hwnd();
    }
    std::vector<std::unique_ptr<TestWindow>> m_windows;
};

std::vector<HWND> Receivers(UINT msg)
{
    std::vector<HWND> out;
    for (const Delivery& d : Deliveries())
        if (d.msg == msg)
            out.push_back(d.hwnd);
    return out;
}

TEST(SendMessageToTree, EveryWindowOnceDepthFirstInZOrder)
{
    WatchMessage(kProbe);
    Tree tree;
    ClearDeliveries();
    NelSendMessageToTree(tree.root, kProbe, 11, 22);
    EXPECT_EQ(tree.DepthFirst(), Receivers(kProbe));
    for (const Delivery& d : Deliveries()) {
        EXPECT_EQ(11u, d.wParam);
        EXPECT_EQ(22, d.lParam);
    }
    // A subtree alone.
    ClearDeliveries();
    NelSendMessageToTree(tree.a1, kProbe, 0, 0);
    EXPECT_EQ((std::vector<HWND>{ tree.a1, tree.a1x }), Receivers(kProbe));
    ClearDeliveries();
}

TEST(SetFontToTree, GivesTheFontToEveryWindowOnceWithoutRedraw)
{
    WatchMessage(WM_SETFONT);
    Tree tree;
    JapaneseFont font;
    ClearDeliveries();
    EXPECT_EQ(font.font(), NelSetFontToTree(tree.root, font.font()));
    EXPECT_EQ(tree.DepthFirst(), Receivers(WM_SETFONT));
    for (const Delivery& d : Deliveries()) {
        EXPECT_EQ(reinterpret_cast<WPARAM>(font.font()), d.wParam);
        EXPECT_EQ(0, d.lParam) << "no redraw";
    }
    ClearDeliveries();
}

TEST(SetFontToTree, NullFontMeansTheStockGuiFont)
{
    WatchMessage(WM_SETFONT);
    Tree tree;
    Control label(L"STATIC", L"x", WS_VISIBLE, { 0, 0, 50, 20 }, tree.b);
    HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ClearDeliveries();
    EXPECT_EQ(stock, NelSetFontToTree(tree.root, nullptr));
    EXPECT_EQ(tree.DepthFirst(), Receivers(WM_SETFONT));
    EXPECT_EQ(reinterpret_cast<LRESULT>(stock), SendMessageW(label.hwnd(), WM_GETFONT, 0, 0));
    ClearDeliveries();
}

} // namespace
