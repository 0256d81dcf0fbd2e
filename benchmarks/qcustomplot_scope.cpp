// The peer of scope_benchmark: QCustomPlot (Qt 5, its default settings: an antialiased graph,
// adaptive sampling) redrawing the same 1040 x 820 plot frame after frame, each frame a new sweep
// of N samples of the same signal, the sweeps made before the clock starts. A native program;
// scope_benchmark runs it between its own runs, so that both share the display and the machine.
//   qcustomplot_scope N seconds result-file: writes the frames per second into the file.
#include <qcustomplot.h>

#include <QApplication>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qcustomplot_scope N seconds result-file\n");
        return 2;
    }
    const int n = std::atoi(argv[1]);
    const double minimumSeconds = std::atof(argv[2]);
    QApplication application(argc, argv);

    // The signal of scope_benchmark's ring buffer: each frame the next N samples, shifted by 997.
    std::vector<double> samples(4 * static_cast<std::size_t>(n) + 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = 6.283185307179586 * 3.0 * static_cast<double>(i) / n;
        samples[i] = static_cast<float>(std::sin(t) + 0.1 * std::sin(i * 12.9898));
    }
    QVector<double> keys(n);
    for (int i = 0; i < n; ++i)
        keys[i] = i;
    std::vector<QVector<double>> sweeps;
    for (std::size_t next = 0; next + n <= samples.size() && sweeps.size() < 64; next += 997)
        sweeps.emplace_back(samples.begin() + next, samples.begin() + next + n);

    QCustomPlot plot;
    plot.resize(1040, 820);
    plot.addGraph();
    plot.graph(0)->setPen(QPen(Qt::blue));
    plot.xAxis->setRange(0, n);
    plot.yAxis->setRange(-1.5, 1.5);
    plot.show();
    application.processEvents();

    using Clock = std::chrono::steady_clock;
    int frames = 0;
    const auto start = Clock::now();
    double seconds = 0;
    while (seconds < minimumSeconds || frames < 10) {
        plot.graph(0)->setData(keys, sweeps[frames % sweeps.size()], true);
        plot.replot(QCustomPlot::rpImmediateRefresh);
        application.processEvents();
        ++frames;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::FILE* result = std::fopen(argv[3], "w");
    if (!result) return 1;
    std::fprintf(result, "%.1f\n", frames / seconds);
    return std::fclose(result) == 0 ? 0 : 1;
}
