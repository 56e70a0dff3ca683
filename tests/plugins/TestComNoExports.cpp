// A library that is a valid shared object but exports none of the plug-in
// entry points: the loader must report it, not crash on it.

namespace {

int Unused() { return 42; }

} // namespace

int VnTestNoExportsAnchor() { return Unused(); }
