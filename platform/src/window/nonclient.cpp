// The non-client area: frames, caption, caption buttons and menu bar, their
// hit-testing (WM_NCHITTEST) and drawing (WM_NCPAINT), in the classic 3D look.
#include <algorithm>

#include "internal/draw_target.h"
#include "window/state.h"

namespace plat {

static bool hasCaption(const Window &w) {
    return (w.style & WS_CAPTION) == WS_CAPTION;
}

// Caption buttons from right to left: close, maximise, minimise (window coordinates).
struct CaptionButtons {
    RECT close{}, maximize{}, minimize{};
};

static CaptionButtons captionButtons(const Window &w) {
    CaptionButtons b;
    RECT in = frameInsets(w.style, w.exStyle, false);
    int width = w.rect.right - w.rect.left;
    int top = in.left + 2, bottom = top + kCaptionHeight - 5;
    int right = width - in.right - 2;
    if (w.style & WS_SYSMENU) {
        b.close = RECT{right - kCaptionButton, top, right, bottom};
        right -= kCaptionButton + 2;
    }
    if (w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
        b.maximize = RECT{right - kCaptionButton, top, right, bottom};
        b.minimize = RECT{right - 2 * kCaptionButton, top, right - kCaptionButton, bottom};
    }
    return b;
}

static bool inside(const RECT &r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

static LRESULT frameHit(const Window &w, POINT p, int width, int height) {
    const int corner = kCaptionButton;
    bool left = p.x < kThickFrame, right = p.x >= width - kThickFrame;
    bool top = p.y < kThickFrame, bottom = p.y >= height - kThickFrame;
    bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
    bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
    (void)w;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
    return HTNOWHERE;
}

LRESULT defaultHitTest(Window &w, POINT screen) {
    RECT wr = windowRectOnScreen(w);
    POINT p{screen.x - wr.left, screen.y - wr.top};
    int width = wr.right - wr.left, height = wr.bottom - wr.top;
    if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
    if (w.show == ShowState::Minimized) return HTCAPTION;
    if (inside(w.client, p)) return HTCLIENT;
    if (w.isChild()) return HTBORDER;
    if ((w.style & WS_THICKFRAME) && w.show == ShowState::Normal) {
        LRESULT hit = frameHit(w, p, width, height);
        if (hit != HTNOWHERE) return hit;
    }
    RECT in = frameInsets(w.style, w.exStyle, false);
    if (hasCaption(w) && p.y >= in.left && p.y < in.left + kCaptionHeight) {
        CaptionButtons b = captionButtons(w);
        if (inside(b.close, p)) return HTCLOSE;
        if (inside(b.maximize, p)) return HTMAXBUTTON;
        if (inside(b.minimize, p)) return HTMINBUTTON;
        if ((w.style & WS_SYSMENU) && p.x < in.left + kCaptionButton) return HTSYSMENU;
        return HTCAPTION;
    }
    if (w.menu && p.y >= in.top && p.y < in.top + kMenuBarHeight) return HTMENU;
    return HTBORDER;
}

static void fill(HDC hdc, RECT r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(hdc, &r, b);
    DeleteObject(b);
}

static void hline(HDC hdc, int x1, int x2, int y, COLORREF c) {
    fill(hdc, RECT{x1, y, x2, y + 1}, c);
}
static void vline(HDC hdc, int x, int y1, int y2, COLORREF c) {
    fill(hdc, RECT{x, y1, x + 1, y2}, c);
}

// A 3D edge two pixels deep: the outer and inner lines each have a top-left
// and a bottom-right colour. Raised edges are light top-left, sunken ones dark.
static void edge(HDC hdc, RECT r, COLORREF outerTL, COLORREF outerBR, COLORREF innerTL, COLORREF innerBR) {
    hline(hdc, r.left, r.right - 1, r.top, outerTL);
    vline(hdc, r.left, r.top, r.bottom - 1, outerTL);
    hline(hdc, r.left, r.right, r.bottom - 1, outerBR);
    vline(hdc, r.right - 1, r.top, r.bottom, outerBR);
    hline(hdc, r.left + 1, r.right - 2, r.top + 1, innerTL);
    vline(hdc, r.left + 1, r.top + 1, r.bottom - 2, innerTL);
    hline(hdc, r.left + 1, r.right - 1, r.bottom - 2, innerBR);
    vline(hdc, r.right - 2, r.top + 1, r.bottom - 1, innerBR);
}

static void raisedEdge(HDC hdc, RECT r) {
    edge(hdc, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
         GetSysColor(COLOR_BTNSHADOW));
}

static void sunkenEdge(HDC hdc, RECT r) {
    edge(hdc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW),
         GetSysColor(COLOR_3DLIGHT));
}

static void drawGlyph(HDC hdc, const RECT &r, int kind) {
    COLORREF ink = 0;
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    if (kind == HTCLOSE) {
        for (int i = -3; i <= 3; ++i) {
            fill(hdc, RECT{cx + i - 1, cy + i, cx + i + 1, cy + i + 1}, ink);
            fill(hdc, RECT{cx + i - 1, cy - i, cx + i + 1, cy - i + 1}, ink);
        }
    } else if (kind == HTMINBUTTON) {
        fill(hdc, RECT{cx - 4, cy + 2, cx + 2, cy + 4}, ink);
    } else {
        RECT box{cx - 5, cy - 4, cx + 4, cy + 4};
        HBRUSH b = CreateSolidBrush(ink);
        FrameRect(hdc, &box, b);
        DeleteObject(b);
        hline(hdc, box.left, box.right, box.top + 1, ink);
    }
}

static void paintCaption(Window &w, HDC hdc, int width) {
    RECT in = frameInsets(w.style, w.exStyle, false);
    int b = in.left;
    RECT bar{b, b, width - b, b + kCaptionHeight - 1};
    bool active = wm().active == w.handle;
    fill(hdc, bar, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    hline(hdc, b, width - b, b + kCaptionHeight - 1, GetSysColor(COLOR_BTNFACE));
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ old = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_CAPTIONTEXT));
    CaptionButtons buttons = captionButtons(w);
    int textRight = buttons.minimize.right ? buttons.minimize.left
                                           : (buttons.close.right ? buttons.close.left : bar.right);
    RECT textRect{bar.left + 4, bar.top, textRight - 2, bar.bottom};
    DrawTextA(hdc, w.text.c_str(), -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
    DeleteObject(font);
    const std::pair<RECT, int> boxes[] = {
        {buttons.close, HTCLOSE}, {buttons.maximize, HTMAXBUTTON}, {buttons.minimize, HTMINBUTTON}};
    for (const auto &[r, kind] : boxes) {
        if (r.right <= r.left) continue;
        fill(hdc, r, GetSysColor(COLOR_BTNFACE));
        raisedEdge(hdc, r);
        drawGlyph(hdc, r, kind);
    }
}

void paintNonClient(Window &w) {
    HDC hdc = createWindowDc(w.handle, true, nullptr);
    if (!hdc) return;
    int width = w.rect.right - w.rect.left, height = w.rect.bottom - w.rect.top;
    RECT all{0, 0, width, height};
    if (w.show == ShowState::Minimized) {
        fill(hdc, all, GetSysColor(COLOR_BTNFACE));
        raisedEdge(hdc, all);
    } else if (w.isChild()) {
        if (w.exStyle & WS_EX_CLIENTEDGE)
            sunkenEdge(hdc, all);
        else if (w.style & WS_BORDER) {
            HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            FrameRect(hdc, &all, black);
        }
    } else {
        int b = frameInsets(w.style, w.exStyle, false).left;
        if (b >= 2) {
            // Fill the frame band, then bevel its outer edge.
            fill(hdc, RECT{0, 0, width, b}, GetSysColor(COLOR_BTNFACE));
            fill(hdc, RECT{0, height - b, width, height}, GetSysColor(COLOR_BTNFACE));
            fill(hdc, RECT{0, 0, b, height}, GetSysColor(COLOR_BTNFACE));
            fill(hdc, RECT{width - b, 0, width, height}, GetSysColor(COLOR_BTNFACE));
            raisedEdge(hdc, all);
        } else if (b == 1) {
            HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            FrameRect(hdc, &all, black);
        }
        if (hasCaption(w)) paintCaption(w, hdc, width);
        if (w.menu) drawMenuBar(w, hdc);
    }
    releaseWindowDc(hdc);
}

}  // namespace plat
