#include "EditorApp.h"

int main(int argc, char** argv) {
    EditorApp app(argc, argv);
    return app.Run();
}
