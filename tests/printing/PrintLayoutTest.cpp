// The page layout in hundredths of a millimetre, worked out by hand for an A4 sheet with
// margins of 2.5 cm (top, bottom) and 2 cm (sides), a 30-point title (10.58 mm, so
// TopOffset = round(1.05 x (1058 + 2500)) = 3736) and a screen of 96 pixels per inch (an
// 800 x 600 graph is 21166.67 x 15875 at scale 1).

#include "printing/PrintLayout.h"
#include "printing/StandInGraph.h"

#include <gtest/gtest.h>

namespace kolibra::printing::testing {

namespace {

struct TExpectedLayout {
  int Width;
  int Height;
  TGmValue X, Y, PrintWidth, PrintHeight;
};

void ExpectLayout(const TPrintLayout &layout, const TExpectedLayout &e, const char *what) {
  const TContGraphic &g = layout.Graphic();
  EXPECT_EQ(g.PagePosition, (TGmPoint{e.X, e.Y})) << what << " " << e.Width << "x" << e.Height;
  EXPECT_EQ(g.PrintWidth, e.PrintWidth) << what << " " << e.Width << "x" << e.Height;
  EXPECT_EQ(g.PrintHeight, e.PrintHeight) << what << " " << e.Width << "x" << e.Height;
}

TEST(PrintLayout, TopOffsetAndPageSizes) {
  TPrintLayout layout;
  EXPECT_EQ(layout.TopOffset(), 3736);
  EXPECT_EQ(layout.Setup().PageWidth(), 21000);
  EXPECT_EQ(layout.Setup().PageHeight(), 29700);
  EXPECT_EQ(GmFromCentimetres(2.5), 2500);
  EXPECT_EQ(GmFromMillimetres(6), 600);
  EXPECT_EQ(GmFromInches(1), 2540);
  EXPECT_EQ(GmFromPixels(96, 96), 2540);
}

TEST(PrintLayout, TheTemplates) {
  // Top centered: full width between the side margins, centred, at TopOffset, portrait.
  const TExpectedLayout topCentered[] = {
      {800, 600, 2000, 3736, 17000, 12750},
      {1600, 400, 2000, 3736, 17000, 4250},
      {300, 900, 2000, 3736, 17000, 51000},
  };
  // Full page, landscape: the smaller of the scales fitting 25700 across and
  // 21000 - 3736 - 2500 = 14764 down.
  const TExpectedLayout fullPage[] = {
      {800, 600, 5007, 3736, 19685, 14764},
      {1600, 400, 2000, 3736, 25700, 6425},  // very wide: the width wins
      {300, 900, 12389, 3736, 4921, 14764},  // tall: the height wins
  };
  for (const TExpectedLayout &e : topCentered) {
    TPrintLayout layout;
    ASSERT_TRUE(layout.SetGraphic(Graph(e.Width, e.Height), QSize(1000, 700)));
    EXPECT_EQ(layout.Setup().Orientation, TOrientation::Portrait);
    ExpectLayout(layout, e, "top centered");
  }
  for (const TExpectedLayout &e : fullPage) {
    TPrintLayout layout;
    ASSERT_TRUE(layout.SetGraphic(Graph(e.Width, e.Height), QSize(1000, 700)));
    layout.ApplyFullPage();
    EXPECT_EQ(layout.Setup().Orientation, TOrientation::Landscape);
    ExpectLayout(layout, e, "full page");
  }
}

TEST(PrintLayout, ANewPictureOfTheSameSizeKeepsTheUsersLayout) {
  TPrintLayout layout;
  EXPECT_FALSE(layout.SetGraphic(Graph(0, 600), QSize(1000, 700)));
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(760, 900)));
  EXPECT_EQ(layout.Zoom(), 80);  // round(100 x min(780 / 600, 640 / 800))
  layout.SetZoom(50);
  // Drag the picture 1 cm right and 5 mm down.
  EXPECT_EQ(layout.MouseMove({10000, 10000}), TPageCursor::Move);
  layout.MouseDown({10000, 10000});
  layout.MouseMove({11000, 10500});
  layout.MouseUp({11000, 10500});
  ASSERT_EQ(layout.Graphic().PagePosition, (TGmPoint{3000, 4236}));

  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(760, 900)));
  EXPECT_EQ(layout.Graphic().PagePosition, (TGmPoint{3000, 4236}));
  EXPECT_EQ(layout.Zoom(), 50);
  // Another size: the template again, and a zoom that shows it whole.
  ASSERT_TRUE(layout.SetGraphic(Graph(400, 600), QSize(760, 900)));
  EXPECT_EQ(layout.Graphic().PagePosition, (TGmPoint{2000, 3736}));
  EXPECT_EQ(layout.Zoom(), 100);  // 130 held to the track bar's range
}

TEST(PrintLayout, TurningThePageKeepsTheGraphUnderTheTitle) {
  // The page's middle moves by (29700 - 21000) / 2 = 4350 across; the picture goes with it
  // and keeps its scale and its height on the page.
  struct TTurn {
    const char *What;
    bool FullPage;
    TGmValue MoveRight;  // dragged by hand before turning
    TOrientation To;
    TGmValue X;
    TGmValue Width;
  } turns[] = {
      {"top centered to landscape", false, 0, TOrientation::Landscape, 6350, 17000},  // (29700 - 17000) / 2
      {"top centered, moved 1 cm", false, 1000, TOrientation::Landscape, 7350, 17000},
      {"top centered, same side", false, 0, TOrientation::Portrait, 2000, 17000},
      {"full page to portrait", true, 0, TOrientation::Portrait, 657, 19685},  // (21000 - 19685) / 2
  };
  for (const TTurn &t : turns) {
    TPrintLayout layout;
    ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
    if (t.FullPage) layout.ApplyFullPage();
    if (t.MoveRight != 0) {
      layout.MouseMove({10000, 10000});
      layout.MouseDown({10000, 10000});
      layout.MouseUp({10000 + t.MoveRight, 10000});
    }
    layout.SetOrientation(t.To);
    EXPECT_EQ(layout.Setup().Orientation, t.To) << t.What;
    EXPECT_EQ(layout.Graphic().PagePosition, (TGmPoint{t.X, 3736})) << t.What;
    EXPECT_EQ(layout.Graphic().PrintWidth, t.Width) << t.What;
    // The handles follow: the picture's frame is where the mouse finds it.
    EXPECT_EQ(layout.MouseMove({t.X + t.Width / 2, 3736 + 2000}), TPageCursor::Move) << t.What;
  }
  // Back again: where it was.
  TPrintLayout layout;
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
  layout.SetOrientation(TOrientation::Landscape);
  layout.SetOrientation(TOrientation::Portrait);
  EXPECT_EQ(layout.Graphic().PagePosition, (TGmPoint{2000, 3736}));
}

TEST(PrintLayout, DoubleFollowsItsCheckBox) {
  TPrintLayout layout;
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
  layout.ApplyFullPage();
  layout.SetDouble(true);
  EXPECT_TRUE(layout.IsDouble());
  EXPECT_TRUE(layout.Setup().FooterVisible);
  EXPECT_FALSE(layout.ControlsEnabled());
  // Checked again (a repeated notification): still double, not toggled back.
  layout.SetDouble(true);
  EXPECT_TRUE(layout.Setup().FooterVisible);
  EXPECT_FALSE(layout.ControlsEnabled());

  // Taller than half the page: brought to 29700 / 2 - 3736 = 11114 high, centred, the second
  // copy ending 3736 above the bottom edge.
  layout.SetTitle(QStringLiteral("Falling ball"), QStringLiteral("Arial"), 30);
  const TPageContent page = layout.Page(true);
  EXPECT_EQ(layout.Setup().Orientation, TOrientation::Portrait);
  ASSERT_EQ(page.Pictures.size(), 2u);
  EXPECT_EQ(page.Pictures[0], (TGmRect{3090, 3736, 3090 + 14819, 3736 + 11114}));
  EXPECT_EQ(page.Pictures[1], (TGmRect{3090, 14850, 3090 + 14819, 25964}));
  EXPECT_FALSE(page.Frame.has_value());
  EXPECT_EQ(page.Header, QStringLiteral("Falling ball"));
  EXPECT_EQ(page.Footer, QStringLiteral("Falling ball"));

  // The mouse no longer moves the picture.
  EXPECT_EQ(layout.MouseMove({10000, 9000}), TPageCursor::Default);
  layout.MouseDown({10000, 9000});
  layout.MouseMove({12000, 9000});
  layout.MouseUp({12000, 9000});
  EXPECT_EQ(layout.Graphic().PagePosition, (TGmPoint{3090, 3736}));

  layout.SetDouble(false);
  EXPECT_FALSE(layout.Setup().FooterVisible);
  EXPECT_TRUE(layout.ControlsEnabled());
  EXPECT_TRUE(layout.Page(false).Footer.isEmpty());
}

TEST(PrintLayout, DoubleWithAShortPictureKeepsItsScale) {
  TPrintLayout layout;
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 300), QSize(1000, 700)));
  layout.SetDouble(true);
  const TPageContent page = layout.Page(false);
  ASSERT_EQ(page.Pictures.size(), 2u);
  EXPECT_EQ(page.Pictures[0], (TGmRect{2000, 3736, 19000, 3736 + 6375}));
  EXPECT_EQ(page.Pictures[1], (TGmRect{2000, 19589, 19000, 25964}));
}

TEST(PrintLayout, HandlesAndCursors) {
  TPrintLayout layout;
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
  // The frame is (2000, 3736) - (19000, 16486); handles are 6 mm either side.
  const struct {
    TGmPoint Point;
    TPageCursor Cursor;
    int Corner, Edge;
  } cases[] = {
      {{2000, 3736}, TPageCursor::SizeNwse, 1, 0},   {{19300, 3500}, TPageCursor::SizeNesw, 2, 0},
      {{19000, 16486}, TPageCursor::SizeNwse, 3, 0}, {{1500, 16900}, TPageCursor::SizeNesw, 4, 0},
      {{10000, 3736}, TPageCursor::SizeNs, 0, 1},    {{19000, 10000}, TPageCursor::SizeWe, 0, 2},
      {{10000, 16486}, TPageCursor::SizeNs, 0, 3},   {{2000, 10000}, TPageCursor::SizeWe, 0, 4},
      {{10000, 10000}, TPageCursor::Move, 0, 0},     {{1000, 1000}, TPageCursor::Default, 0, 0},
      {{2600, 10000}, TPageCursor::Move, 0, 0},  // on the strip's edge: strict inequalities
  };
  for (const auto &c : cases) {
    EXPECT_EQ(layout.MouseMove(c.Point), c.Cursor) << c.Point.X << "," << c.Point.Y;
    EXPECT_EQ(layout.Graphic().ResizeCorner, c.Corner) << c.Point.X << "," << c.Point.Y;
    EXPECT_EQ(layout.Graphic().ResizeEdge, c.Edge) << c.Point.X << "," << c.Point.Y;
  }
}

TEST(PrintLayout, ResizingKeepsTheProportions) {
  const struct {
    const char *What;
    TGmPoint Press, Release;
    TGmPoint Position;
    TGmValue Width;
  } cases[] = {
      // Corner 3 dragged 1 cm right, 3 cm down: the vertical growth wins (3 x 4/3 = 4 cm).
      {"corner 3", {19000, 16486}, {20000, 19486}, {2000, 3736}, 21000},
      // Corner 1 dragged 1 cm left, 1 mm up: the horizontal growth wins.
      {"corner 1", {2000, 3736}, {1000, 3636}, {1000, 2986}, 18000},
      // The right edge 1 cm in: the height shrinks 7.5 mm, half above, half below.
      {"edge 2", {19000, 10000}, {18000, 10000}, {2000, 4111}, 16000},
      // The top edge 1.5 cm up: 2 cm wider, 1 cm each side.
      {"edge 1", {10000, 3736}, {10000, 2236}, {1000, 2236}, 19000},
  };
  for (const auto &c : cases) {
    TPrintLayout layout;
    ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
    layout.MouseMove(c.Press);
    layout.MouseDown(c.Press);
    EXPECT_TRUE(layout.IsResizingFrame()) << c.What;
    layout.MouseMove(c.Release);
    EXPECT_TRUE(layout.Page(true).Rubber.has_value()) << c.What;
    layout.MouseUp(c.Release);
    EXPECT_EQ(layout.Graphic().PagePosition, c.Position) << c.What;
    EXPECT_EQ(layout.Graphic().PrintWidth, c.Width) << c.What;
    EXPECT_EQ(layout.Graphic().PrintHeight, RoundClamped(c.Width * 0.75)) << c.What;
    EXPECT_FALSE(layout.IsResizingFrame()) << c.What;
  }
}

// A click on a handle without moving used to apply an old rubber rectangle (all zeros at
// first); an edge dragged past the opposite one used to hand over an inverted one.
TEST(PrintLayout, AClickOnAHandleOrAnInvertedRectangleChangesNothing) {
  TPrintLayout layout;
  ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
  const TGmRect before = layout.Graphic().Frame();
  layout.MouseMove({19000, 16486});
  layout.MouseDown({19000, 16486});
  layout.MouseUp({19000, 16486});
  EXPECT_EQ(layout.Graphic().Frame(), before);

  layout.MouseMove({10000, 16486});  // the bottom edge
  layout.MouseDown({10000, 16486});
  layout.MouseMove({10000, 2000});  // above the top
  EXPECT_FALSE(layout.Page(true).Rubber.has_value());
  layout.MouseUp({10000, 2000});
  EXPECT_EQ(layout.Graphic().Frame(), before);
}

}  // namespace

}  // namespace kolibra::printing::testing
