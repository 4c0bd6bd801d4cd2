#pragma once
// The benchmarks, each in a file of its own; BenchmarkMain runs them in this order.

void BenchmarkRepaint();
void BenchmarkTyping();
void BenchmarkScrolling();
void BenchmarkLoadAndSave();
void BenchmarkEditing();
void BenchmarkClipboard();
void BenchmarkSearchAndSum();
void BenchmarkCompare();
