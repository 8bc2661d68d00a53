#include "checker/contenuviewport.h"

#include <gtest/gtest.h>

namespace {

TEST(ContenuViewport, Jugement) {
  struct Cas {
    const char* contenu;
    bool pasMobile;
    bool bloqueZoom;
  };
  const Cas cas[] = {
      {"width=device-width, initial-scale=1", false, false},
      {"WIDTH = device-width ; Initial-Scale = 1.0", false, false},
      {"initial-scale=1", false, false},
      {"width=600", false, false},
      {"", true, false},
      {"width=", true, false},
      {"height=device-height", true, false},
      {"width=device-width, initial-scale=0.5", true, false},
      {"initial-scale=.99", true, false},
      {"initial-scale=one", true, false},
      {"width=device-width, initial-scale=1px", false, false},
      {"width=device-width, user-scalable=no", false, true},
      {"width=device-width, user-scalable=NO", false, true},
      {"width=device-width, user-scalable=0", false, true},
      {"width=device-width, user-scalable=yes", false, false},
      {"width=device-width, user-scalable=no, user-scalable=yes", false, false},
      {"width=device-width, maximum-scale=1", false, true},
      {"width=device-width, maximum-scale=4.99", false, true},
      {"width=device-width, maximum-scale=5", false, false},
      {"width=device-width, maximum-scale=big", false, false},
      {"initial-scale=1,maximum-scale=1;user-scalable=0", false, true},
      {"width=device-width,,;", false, false},
  };
  for (const Cas& c : cas) {
    const JugementViewport j = jugeViewport(c.contenu);
    EXPECT_EQ(j.pasMobile, c.pasMobile) << c.contenu;
    EXPECT_EQ(j.bloqueZoom, c.bloqueZoom) << c.contenu;
  }
}

TEST(ContenuViewport, Nombres) {
  EXPECT_EQ(lisNombreViewport("1"), 1.0);
  EXPECT_EQ(lisNombreViewport("-2.5"), -2.5);
  EXPECT_EQ(lisNombreViewport("+.5"), 0.5);
  EXPECT_EQ(lisNombreViewport("3."), 3.0);
  for (const char* faux : {"", ".", "-", "1e2", "1,5", " 1", "0x1", "1.2.3"}) {
    EXPECT_FALSE(lisNombreViewport(faux)) << faux;
  }
}

}  // namespace
