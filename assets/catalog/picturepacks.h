#pragma once

// Makes the program's pictures available under :/pictures/ before the first
// one is read. Called by PictureStore; each platform's file says how.
void ensurePicturePacks();
