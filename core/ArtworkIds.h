// Ids of the artwork: PNG pictures among the binaries' resources under kArtworkResourceType
// (LayoutTables.h). The pictures stored with the form layouts have ids of their own
// (win/FormPictures.h).
#pragma once

#include <cstdint>

enum TArtworkId : int32_t {
  // Presenter view: the build indicator's faces; all-slides pages: the page arrows and the
  // highlight frame
  awBuildBoth = 101,
  awPageNext = 102,
  awPagePrevious = 103,
  awHighlight = 104,
  awBuildPrevious = 105,
  awBuildNext = 106,
  // The launcher's splash picture
  awSplash = 203,
  // Presenter view: the video button's faces
  awVideoPlay = 1001,
  awVideoPause = 1002,
  // Selector tile frames, small tiles (tile size 2)
  awSmallTileManage = 1011,
  awSmallTileManagePressed = 1012,
  awSmallTileLaunch = 1014,
  awSmallTileLaunchPressed = 1015,
  awSmallTileLaunchEmpty = 1016,
  awSmallTileManageEmpty = 1017,
  awSmallTileManageEmptyPressed = 1018,
  // Selector tile frames, large tiles (tile size 1)
  awLargeTileManage = 1111,
  awLargeTileManagePressed = 1112,
  awLargeTileLaunch = 1114,
  awLargeTileLaunchPressed = 1115,
  awLargeTileLaunchEmpty = 1116,
  awLargeTileManageEmpty = 1117,
  awLargeTileManageEmptyPressed = 1118,
  // Selector backgrounds, one per screen size
  awSelector1280x1024 = 2001,
  awSelector1366x768 = 2002,
  awSelector1440x900 = 2003,
  awSelector1440x1050 = 2004,
  awSelector1600x1200 = 2005,
  awSelector1680x1050 = 2006,
  awSelector1920x1200 = 2007,
  // All-slides page backgrounds, one per screen size
  awAllSlides1280x1024 = 3001,
  awAllSlides1366x768 = 3002,
  awAllSlides1440x900 = 3003,
  awAllSlides1440x1050 = 3004,
  awAllSlides1600x1200 = 3005,
  awAllSlides1680x1050 = 3006,
  awAllSlides1920x1200 = 3007,
};
