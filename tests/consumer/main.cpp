#include <compute/compute_command.h>
#include <compute/surface_quadrature.h>

#include <cstdio>

int main() {
    if (ombrix::RunComputeCommand("1", "1", "1") != "12.566370614362") return 1;
    if (ombrix::SurfaceQuadrature(1, 1, 1) <= 12.5) return 2;
    try {
        ombrix::RunComputeCommand("1e200", "1", "1");
        return 3;
    } catch (const ombrix::RuntimeError& error) {
        std::printf("%d %s\n", error.number(), error.message().c_str());
        return error.number() == 6 ? 0 : 4;
    }
}
