#pragma once

// The user's web browser and mail program. Both return at once; the
// program started runs on its own and nothing reports whether it came up.

// Windows: the start page of the registry's Internet Explorer settings,
// opened as a URL. Linux: the desktop's default web browser started
// without a URL, so that it shows its own start page.
void openBrowserStartPage();

// Windows: the program of the registered mailto command line, without
// arguments. Linux: xdg-email, else a bare mailto: URL.
void startMailProgram();
