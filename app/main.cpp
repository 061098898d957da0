#include "EditorApp.h"

using namespace vormante;

int main(int argc, char** argv) {
    EditorApp::AnswerTextOptions(argc, argv);
    EditorApp app(argc, argv);
    return app.Run();
}
