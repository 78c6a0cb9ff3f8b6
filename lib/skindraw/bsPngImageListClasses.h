#pragma once

// Makes the PNG image list known to form descriptions: "PngWidth", "PngHeight" and the
// "PngImages" items with their "Name" and "PngImage.Data" (the PNG file as binary data). Safe to
// call more than once.
void RegisterPngImageListClasses();
