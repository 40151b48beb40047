#pragma once

class Navigator;

// Gives the navigator the screens that have a class of their own (the
// drill); every other screen is built from its declaration alone.
void registerScreenClasses(Navigator& navigator);
