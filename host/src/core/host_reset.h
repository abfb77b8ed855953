// Putting the host back to the state it starts in, for test fixtures: one
// call instead of clearing each store by hand. Identifier and handle counters
// keep counting, so an identifier or handle from before the reset finds nothing.
#pragma once

namespace host {

// Closes every table and image window, forgets every image, region, shape,
// chart, report item and memory block, and clears the host state (hooks,
// recorder, point list, ...) except the host window, which stays.
void resetHost();

// The parts of resetHost, each defined next to the state it clears.
void closeAllTables();     // chart/table_window.cpp
void freeAllBlocks();      // libs/pixbuf32.cpp
void forgetReportItems();  // libs/repgen32.cpp
void forgetRegions();      // core/region.cpp
void forgetShapes();       // sampling/shape_store.cpp
void forgetViews();        // window/image_views.cpp

}  // namespace host
