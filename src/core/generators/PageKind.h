#pragma once

// What a page is written as: HTML of the old kind, with presentational attributes and <br>
// lines (the program's classic output), or HTML5 with CSS that phones and validators accept.
enum class PageKind { Classic, Modern };
