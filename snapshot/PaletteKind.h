#pragma once

// The four palettes a thermal picture can be shown in.
enum class PaletteKind { Grey, Ironbow, Rainbow, HighContrast };
