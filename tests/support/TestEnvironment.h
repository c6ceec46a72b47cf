#pragma once

// Puts the process into a known state before the application object exists: offscreen
// platform, fixed locale, test-mode standard paths and a private settings folder.
void PrepareTestEnvironment();
