#include "Demo.h"
#include "ui/app/Application.h"

#include <memory>

int main(int argc, char** argv) {
    // Simulated devices and receiver for "--demo"; they live as long as the program.
    std::unique_ptr<kvq::devsim::DemoRig> demo;
    return kvq::runApplication(argc, argv, [&demo]() -> kvq::Result<kvq::DemoPorts> {
        QString error;
        demo = kvq::devsim::startDemoRig(&error);
        if (!demo)
            return kvq::Result<kvq::DemoPorts>::failure(error);
        return kvq::DemoPorts{demo->opticalHeadPath(), demo->receiverPath()};
    });
}
