#pragma once

// The widget test classes, each run by name from one program so that the Qt
// headers are compiled once for all of them.
namespace zentrel {

int runMainDialogTests(int argc, char** argv);
int runGraphToolsTests(int argc, char** argv);
int runSettingsDialogTests(int argc, char** argv);
int runFunctionEditorTests(int argc, char** argv);

}  // namespace zentrel
