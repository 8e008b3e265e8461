#include "view/ViewPaintModel.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/Messages.h"
#include "base/Translate.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "models/ModelTable.h"
#include "view/ContentWindow.h"
#include "view/ViewState.h"

namespace vexa {

namespace {

constexpr int kEnterUpperBlock = 28;
constexpr int kEnterKey = 41;
// Between the mode text (at most "ASCII Decimal Mode", up to x = 406) and
// "Total space left (bytes):" at x = 490.
constexpr int kEscPendingX = 420;
// The line under the error line; the view is drawn anew whenever the error
// line comes or goes, so nothing needs erasing here.
constexpr int kErrorDetailY = 366;

class Painter {
 public:
  explicit Painter(std::vector<DrawOp>& ops) : m_ops(ops) {}

  void Text(int x, int y, std::string text, Rgb colour, Rgb background, int position = -1) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x1 = x;
    op.y1 = y;
    op.colour = colour;
    op.background = background;
    op.text = std::move(text);
    op.position = position;
    m_ops.push_back(std::move(op));
  }
  void Line(int x1, int y1, int x2, int y2, Rgb colour, int penWidth = 1, int position = -1) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    op.penWidth = penWidth;
    op.position = position;
    m_ops.push_back(std::move(op));
  }
  void Box(int left, int top, int right, int bottom, Rgb outline, Rgb fill) {
    DrawOp op;
    op.kind = DrawOp::Kind::Box;
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    op.colour = outline;
    op.background = fill;
    m_ops.push_back(std::move(op));
  }

 private:
  std::vector<DrawOp>& m_ops;
};

std::string ModeText(const ViewState& state) {
  if (!state.SelectedIsAscii()) return std::string(msg::Tr(VEXA_TR_NOOP("vexa", "ScanCode Mode")));
  return std::string(state.decimalDisplay ? msg::Tr(VEXA_TR_NOOP("vexa", "ASCII Decimal Mode"))
                                          : msg::Tr(VEXA_TR_NOOP("vexa", "ASCII Mode")));
}

// A text of the view in the user's language.
std::string ViewText(const char* english) { return std::string(msg::Tr(english)); }

// The right edge of a text drawn at X.
int EndOf(int x, const std::string& text) { return x + content_window::kColumnWidth * TextCells(text, true); }

void PaintKeys(const CVEXADoc& doc, const ViewState& state, const ViewColours& c, Painter& paint) {
  const bool lShapedEnter = HasLShapedEnter(doc.ModelId()) && doc.KeyCount() > kEnterKey;
  // The top edge of the Enter key stops where the upper block begins; the
  // layout of an unknown model id is two pixels off, as it always was.
  const int enterTopInset = (doc.ModelId() >= kFirstModelId && doc.ModelId() <= kLastModelId) ? 40 : 38;
  for (int p = 0; p < doc.KeyCount(); ++p) {
    const KeyRect& r = doc.KeyRects()[static_cast<size_t>(p)];
    const int x = r.left, y = r.top, w = r.width, h = r.height;
    const bool selected = state.IsSelected(p);
    const Rgb lightPen = selected ? c.text : c.light;
    const Rgb darkPen = selected ? c.text : c.shadow;
    const int pen = selected ? 2 : 1;
    const bool upperBlock = lShapedEnter && p == kEnterUpperBlock;
    const bool enterKey = lShapedEnter && p == kEnterKey;

    paint.Line(enterKey ? x + w - enterTopInset : x + w, y, x, y, lightPen, pen, p);  // top
    paint.Line(x, y, x, y + h, lightPen, pen, p);                                     // left
    paint.Line(x + w, y, x + w, y + h, darkPen, pen, p);                              // right
    if (!upperBlock) paint.Line(x + w, y + h, x, y + h, darkPen, pen, p);             // bottom
    if (enterKey && selected) {
      const KeyRect& u = doc.KeyRects()[kEnterUpperBlock];
      paint.Line(u.left + u.width, u.top, u.left, u.top, c.text, 2, kEnterUpperBlock);
      paint.Line(u.left, u.top, u.left, u.top + u.height, c.text, 2, kEnterUpperBlock);
      paint.Line(u.left + u.width, u.top, u.left + u.width, u.top + u.height, c.text, 2, kEnterUpperBlock);
    }
    const int keyIndex = doc.KeyMap()[static_cast<size_t>(p)];
    paint.Text(x + 3, y + 2, doc.Labels()[static_cast<size_t>(p)], KeyLabelColour(doc, keyIndex, c),
               c.background, p);
  }
}

}  // namespace

Rgb KeyLabelColour(const CVEXADoc& doc, int keyIndex, const ViewColours& c) {
  const auto k = static_cast<size_t>(keyIndex);
  if (doc.BlankFlags()[k] != 0) return c.blank;
  if (doc.DefinedFlags()[k] != 0) return c.defined;
  return c.modified;
}

int TextCells(const std::string& text, bool utf8) {
  if (!utf8) return static_cast<int>(text.size());
  int cells = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++cells;
  return cells;
}

std::vector<DrawOp> BuildViewPaint(CVEXADoc& doc, const ViewState& state, int clientWidth, int clientHeight,
                                   const ViewColours& c) {
  std::vector<DrawOp> ops;
  ops.reserve(static_cast<size_t>(doc.KeyCount()) * 5 + 32);
  Painter paint(ops);
  const auto text = [&](int x, int y, std::string t, Rgb colour) {
    paint.Text(x, y, std::move(t), colour, c.background);
  };
  // The view's own texts. Each one after another on its line starts where
  // English has it, or right after the one before it where a translation is
  // longer; the line's last text is moved left instead, to stay in the view.
  const auto uiText = [&](int x, int y, std::string t, Rgb colour) {
    const int end = EndOf(x, t);
    paint.Text(x, y, std::move(t), colour, c.background);
    ops.back().utf8 = true;
    return end;
  };

  paint.Box(0, 0, clientWidth, clientHeight, c.text, c.background);
  const int nameEnd = uiText(10, 310, ViewText(VEXA_TR_NOOP("vexa", "Key Name:")), c.text);
  uiText(10, 330, ViewText(VEXA_TR_NOOP("vexa", "Key content:")), c.text);
  const std::string spaceLeft = ViewText(VEXA_TR_NOOP("vexa", "Total space left (bytes):"));
  const int spaceLeftX =
      std::max(kEscPendingX + 4 * content_window::kColumnWidth,
               std::min(490, 665 - content_window::kColumnWidth * TextCells(spaceLeft, true)));
  const int spaceLeftEnd = uiText(spaceLeftX, 310, spaceLeft, c.text);

  const std::string& label = doc.Labels()[static_cast<size_t>(state.selectedPosition)];
  const int labelX = std::max(80, nameEnd + content_window::kColumnWidth);
  text(labelX, 310, label, c.defined);
  uiText(std::max(280, labelX + content_window::kColumnWidth * (static_cast<int>(label.size()) + 1)), 310,
         ModeText(state), c.defined);
  // The ESC prefix is otherwise invisible: the next special key gives its word
  // instead of acting. Blanks erase the mark when the prefix is gone.
  text(kEscPendingX, 310,
       state.escPrefix ? std::string(msg::kEscPending) : std::string(msg::kEscPending.size(), ' '),
       c.defined);
  text(std::max(670, spaceLeftEnd + 5), 310, std::to_string(doc.SpaceLeft()), c.defined);

  using namespace content_window;
  paint.Box(kLeft, kTop, kRight, kBottom, c.text, c.field);
  paint.Text(kTextX, kTextY, ShownText(doc, state), c.fieldText, c.field);
  const int caretX = kFirstColumnX + kColumnWidth * state.caretColumn;
  paint.Line(caretX, 347, caretX + 5, 347, c.fieldText, 2);

  PaintKeys(doc, state, c, paint);

  paint.Line(30, 20, 730, 20, c.shadow);
  paint.Line(730, 20, 730, 300, c.shadow);
  paint.Line(730, 300, 30, 300, c.shadow);
  paint.Line(30, 300, 30, 20, c.shadow);
  paint.Line(29, 19, 729, 19, c.light);
  paint.Line(729, 19, 729, 299, c.light);
  paint.Line(729, 299, 29, 299, c.light);
  paint.Line(29, 299, 29, 19, c.light);

  uiText(35, 25,
         state.SelectedIsAscii()
             ? ViewText(VEXA_TR_NOOP("vexa", "Use Mouse or <Shift> + <Arrow> to Select Key.  "))
             : ViewText(
                   VEXA_TR_NOOP("vexa",
                                "Use Mouse or <Shift> + <Arrow> to Select Key. Use <ESC> then <Func Key> to "
                                "Input Function Key Code.")),
         c.text);

  int end = uiText(35, 2, ViewText(VEXA_TR_NOOP("vexa", "Black Key: blank key")), c.text);
  end = uiText(std::max(230, end + content_window::kColumnWidth), 2,
               ViewText(VEXA_TR_NOOP("vexa", "Blue Key")), c.defined);
  end = uiText(std::max(290, end), 2, ViewText(VEXA_TR_NOOP("vexa", ": defined key")), c.text);
  end = uiText(std::max(405, end + content_window::kColumnWidth), 2,
               ViewText(VEXA_TR_NOOP("vexa", "Green Key")), c.modified);
  end = uiText(std::max(470, end), 2, ViewText(VEXA_TR_NOOP("vexa", ": modified key")), c.text);
  // Port Name: <USB|PS/2>, the port's name as the port dialog lists it.
  const std::string port =
      msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "Port Name: %s")), state.portName.c_str());
  uiText(std::max(end + content_window::kColumnWidth,
                  std::min(620, 760 - 4 - content_window::kColumnWidth * TextCells(port, true))),
         2, port, c.text);

  // The error line, and under it which word of the key is wrong and why.
  if (state.errorFlag) {
    text(100, 350, std::string(msg::Tr(msg::kWrongKeyWord)), c.error);
    text(100, kErrorDetailY,
         DescribeContentFault(doc.Content(state.selectedKey), doc.KeyName(state.selectedKey)), c.error);
  } else {
    text(100, 350, std::string(99, ' '), c.text);
  }
  return ops;
}

}  // namespace vexa
